#include "tool/choice_command.h"

#include <cstdio>
#include <optional>
#include <string>

#include "choice/game_status.h"
#include "choice/list_nodes.h"
#include "config/text.h"
#include "records/records_of_state.h"
#include "tool/choice_search_command.h"
#include "tool/console_screen.h"
#include "tool/games_commands.h"

namespace tablerun {
namespace {

constexpr const char* kUsage =
    "usage: tablerun-tool choice tree [--mode 0-4] [--player NAME] DATAFOLDER [GAMES.DAT]\n"
    "  modes: 0 all games, 1 groups (every group filled), 2 selected games, 3 favourites, 4 recent games\n"
    "       tablerun-tool choice search TEXT [--kind 0-5] [--player NAME] [DATAFOLDER [GAMES.DAT]]\n";

int fnUsage() {
  std::fputs(kUsage, stderr);
  return 2;
}

const char* fnMark(TGameStatus status) {
  switch (status) {
    case TGameStatus::Won: return " [won]";
    case TGameStatus::NotWon: return " [not won]";
    case TGameStatus::NotPlayed: break;
  }
  return " [not played]";
}

void fnPrint(const std::vector<TListNode>& nodes, int depth, const std::optional<TGameStatuses>& statuses) {
  for (const TListNode& node : nodes) {
    const bool isGame = node.type >= 0;
    std::printf("%*s%d %s%s\n", depth * 2, "", node.code, node.caption.c_str(),
                isGame && statuses ? fnMark(statuses->Of(node.code)) : "");
    fnPrint(node.children, depth + 1, statuses);
  }
}

struct TTreeOptions {
  TListMode mode = TListMode::AllGames;
  std::optional<std::string> player;
  std::string dataFolder;
  std::string gamesFile = fnDefaultGamesFile();
};

std::optional<TTreeOptions> fnTreeOptions(int argc, char** argv) {
  TTreeOptions options;
  std::vector<std::string> folders;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--mode" && i + 1 < argc) {
      const auto mode = fnParseInteger(argv[++i]);
      if (!mode || *mode < 0 || *mode > 4) return std::nullopt;
      options.mode = static_cast<TListMode>(*mode);
    } else if (argument == "--player" && i + 1 < argc) {
      options.player = argv[++i];
    } else if (argument.starts_with("--")) {
      return std::nullopt;
    } else {
      folders.push_back(argument);
    }
  }
  if (folders.empty() || folders.size() > 2) return std::nullopt;
  options.dataFolder = folders[0].ends_with('/') ? folders[0] : folders[0] + "/";
  if (folders.size() == 2) options.gamesFile = folders[1];
  return options;
}

// The preference store of the data folder, read and never written.
TIniFile Store(TTablerunState& state, const TTreeOptions& options) {
  return TIniFile(state.fs, state.screen, options.dataFolder + fnTrim(state.config.Read(cfg::kStoreName)),
                  TIniFile::TAccess::InspectOnly);
}

int fnTree(const TTreeOptions& options) {
  TPosixFileSystem fs;
  TConsoleScreen screen;
  TTablerunState state{fs, screen};
  if (!fs.IsFolder(options.dataFolder)) {
    std::fprintf(stderr, "No such folder: %s\n", options.dataFolder.c_str());
    return 1;
  }
  state.dataFolder = options.dataFolder;
  state.customGames.SetDataFolder(options.dataFolder);
  TCatalogue& catalogue = state.mainGame.Catalogue();
  if (!fnLoadGamesList(options.gamesFile, catalogue)) return 1;
  std::optional<TGameStatuses> statuses;
  if (options.player) {
    TRecordsFolder folder = fnRecordsFolder(state);
    statuses.emplace(folder, *options.player);
  }
  switch (options.mode) {
    case TListMode::Groups: fnPrint(fnGroupsTree(catalogue, state.customGames, true), 0, statuses); break;
    case TListMode::Selected: fnPrint(fnGameNodes(fnSelectedGames(catalogue)), 0, statuses); break;
    case TListMode::Favorites: fnPrint(fnFavoriteNodes(Store(state, options), catalogue), 0, statuses); break;
    case TListMode::Recents:
      fnPrint(fnRecentNodes(Store(state, options), catalogue, state.customGames), 0, statuses);
      break;
    default: fnPrint(fnGameNodes(fnCatalogueView(catalogue)), 0, statuses); break;
  }
  return 0;
}

}  // namespace

int fnChoiceCommand(int argc, char** argv) {
  const std::string verb = argc > 1 ? argv[1] : "";
  if (verb == "tree") {
    const auto options = fnTreeOptions(argc, argv);
    return options ? fnTree(*options) : fnUsage();
  }
  if (verb == "search") return fnChoiceSearchCommand(argc - 1, argv + 1);
  return fnUsage();
}

}  // namespace tablerun
