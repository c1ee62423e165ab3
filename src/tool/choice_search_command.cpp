#include "tool/choice_search_command.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "choice/fast_search.h"
#include "config/data_folders.h"
#include "config/preferences.h"
#include "config/text.h"
#include "tool/console_screen.h"
#include "tool/games_commands.h"

namespace tablerun {
namespace {

constexpr const char* kUsage =
    "usage: tablerun-tool choice search TEXT [--kind 0-5] [--player NAME] [DATAFOLDER [GAMES.DAT]]\n"
    "  kinds: 0 all games, 1 favourites, 2 selected, 3 customized, 4 lost, 5 recent\n"
    "  an empty TEXT lists the whole kind; without DATAFOLDER only the built-in games\n";

int fnUsage() {
  std::fputs(kUsage, stderr);
  return 2;
}

struct TSearchOptions {
  std::string typed;
  TFastSearchKind kind = TFastSearchKind::AllGames;
  std::optional<std::string> player;
  std::string dataFolder;
  std::string gamesFile = fnDefaultGamesFile();
};

std::optional<TSearchOptions> fnSearchOptions(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  TSearchOptions options;
  options.typed = argv[1];
  std::vector<std::string> places;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--kind" && i + 1 < argc) {
      const auto kind = fnParseInteger(argv[++i]);
      if (!kind || *kind < 0 || *kind >= kFastSearchKinds) return std::nullopt;
      options.kind = fnFastSearchKind(static_cast<int>(*kind));
    } else if (argument == "--player" && i + 1 < argc) {
      options.player = argv[++i];
    } else if (argument.starts_with("--") || places.size() == 2) {
      return std::nullopt;
    } else {
      places.push_back(argument);
    }
  }
  if (!places.empty()) options.dataFolder = fnWithTrailingSlash(places[0]);
  if (places.size() == 2) options.gamesFile = places[1];
  return options;
}

int fnSearch(const TSearchOptions& options) {
  TPosixFileSystem fs;
  TConsoleScreen screen;
  TTablerunState state{fs, screen};
  if (!options.dataFolder.empty() && !fs.IsFolder(options.dataFolder)) {
    std::fprintf(stderr, "No such folder: %s\n", options.dataFolder.c_str());
    return 1;
  }
  // Without a data folder the lists of the player's own are empty.
  state.dataFolder = options.dataFolder.empty() ? "/nonexistent/" : options.dataFolder;
  state.customGames.SetDataFolder(state.dataFolder);
  if (!fnLoadGamesList(options.gamesFile, state.mainGame.Catalogue())) return 1;
  state.store = std::make_unique<TIniFile>(fs, screen, state.dataFolder + state.config.Read(cfg::kStoreName),
                                           TIniFile::TAccess::InspectOnly);
  fnLoadPreferences(*state.store, state.config, TDisplayInfo{});
  if (options.player) state.config.Write(cfg::kPlayer, *options.player);

  const TFastSearchSources sources = fnFastSearchSources(state, options.kind);
  for (const TFastSearchNode& node : fnFilterFastSearch(fnFastSearchList(options.kind, sources), options.typed))
    std::printf("%s%d %s\n", node.inFolder ? "  " : "", node.code, node.name.c_str());
  return 0;
}

}  // namespace

int fnChoiceSearchCommand(int argc, char** argv) {
  const auto options = fnSearchOptions(argc, argv);
  return options ? fnSearch(*options) : fnUsage();
}

}  // namespace tablerun
