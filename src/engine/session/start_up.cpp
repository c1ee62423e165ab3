#include "engine/session/start_up.h"

#include <chrono>

#include "config/safe_replace.h"
#include "engine/session/program_folder_upkeep.h"
#include "model/games_file.h"

namespace tablerun {
namespace {

std::string fnStorePath(const TTablerunState& state) { return state.dataFolder + state.config.Read(cfg::kStoreName); }

bool fnLoadCatalogue(TTablerunState& state) {
  const std::string path = state.programFolder + kGamesFileName;
  const auto bytes = fnReadWholeFile(state.fs, path);
  if (!bytes) {
    state.screen.ShowMessage(TMessageKind::Error, "Cannot find file:\r" + path + "\r" +
                                                      "Copy the file into the directory that above is specified" +
                                                      "\r" + "or reinstall the program.");
    return false;
  }
  std::string error;
  if (!state.mainGame.Catalogue().Load(TGamesFile::Parse(*bytes), error)) {
    state.screen.ShowMessage(TMessageKind::Error, error + "\r" + path + "\r" + "Please reinstall the program.");
    return false;
  }
  return true;
}

}  // namespace

bool fnStartUp(TTablerunState& state, const TStartUpPlace& place) {
  state.random.seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
  state.programFolder = fnWithTrailingSlash(place.programFolder);
  state.userFolders = place.userFolders;
  state.display = place.display;
  state.dataFolder = fnFindDataFolder(state.fs, state.screen, state.programFolder, place.userFolders.applicationData);
  // Failing to create it is not fatal here: every later write reports its own failure.
  state.fs.CreateFolders(state.dataFolder);
  const std::int64_t now =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
  for (const std::string& folder : {state.dataFolder, state.programFolder})
    fnRemoveStaleTemporaryFiles(state.fs, folder, now);

  state.config.Reset();
  state.store = std::make_unique<TIniFile>(state.fs, state.screen, fnStorePath(state));
  for (const auto& [entry, value] : fnLoadPreferences(*state.store, state.config, state.display))
    state.mainGame.Set(TMainGameEntry{entry}, value);
  state.customGames.SetDataFolder(state.dataFolder);

  if (!fnLoadCatalogue(state)) return false;
  fnCheckCurrentGame(state.config,
                     [&](int code) { return state.mainGame.Catalogue().NameOf(code, state.customGames); });
  fnMarkProgramVersion(state.fs, state.programFolder, TABLERUN_VERSION);
  fnDeleteEarlierReleaseFiles(state.fs, state.programFolder);
  return true;
}

bool fnSaveSettings(TTablerunState& state) {
  if (!state.store) return true;
  TMainGameSettings settings = fnMainGameSettingEntries();
  for (auto& [entry, value] : settings) value = state.mainGame.Get(TMainGameEntry{entry});
  return fnSavePreferences(*state.store, state.config, settings, state.display);
}

}  // namespace tablerun
