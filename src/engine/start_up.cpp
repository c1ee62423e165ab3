#include "engine/start_up.h"

namespace tablerun {
namespace {

std::string fnStorePath(const TTablerunState& state) { return state.dataFolder + state.config.Read(1, 20); }

}  // namespace

void fnStartUp(TTablerunState& state, const TStartUpPlace& place) {
  state.programFolder = fnWithTrailingSlash(place.programFolder);
  state.userFolders = place.userFolders;
  state.display = place.display;
  state.dataFolder =
      fnFindDataFolder(state.fs, state.screen, state.programFolder, place.userFolders.applicationData);
  // Failing to create it is not fatal here: every later write reports its own failure.
  state.fs.CreateFolders(state.dataFolder);

  state.config.Reset();
  state.store = std::make_unique<TIniFile>(state.fs, state.screen, fnStorePath(state));
  for (const auto& [entry, value] : fnLoadPreferences(*state.store, state.config, state.display))
    state.mainGame.Set(entry, value);
}

bool fnSaveSettings(TTablerunState& state) {
  if (!state.store) return true;
  TMainGameSettings settings = fnMainGameSettingEntries();
  for (auto& [entry, value] : settings) value = state.mainGame.Get(entry);
  return fnSavePreferences(*state.store, state.config, settings, state.display);
}

}  // namespace tablerun
