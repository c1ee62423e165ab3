// tablerun-tool: the headless companion built on the same core as the program.
#include <cstdio>
#include <string>

#include "config/text.h"
#include "tool/choice_command.h"
#include "tool/config_dump.h"
#include "tool/deal_command.h"
#include "tool/deck_command.h"
#include "tool/games_commands.h"
#include "tool/layout_command.h"
#include "tool/moves_command.h"
#include "tool/play_command.h"
#include "tool/records_command.h"
#include "tool/soak_command.h"

namespace {

constexpr const char* kUsage =
    "usage: tablerun-tool --version\n"
    "       tablerun-tool config-dump DATAFOLDER\n"
    "       tablerun-tool games compile DEFINITIONS_FOLDER OUTPUT\n"
    "       tablerun-tool games list [GAMES.DAT]\n"
    "       tablerun-tool games show CODE [GAMES.DAT]\n"
    "       tablerun-tool deck NUMBER [--cards 52|104|156|208] [--jokers N] [--stripped 0|1|2]\n"
    "       tablerun-tool layout CODE [options]   (tablerun-tool layout --help)\n"
    "       tablerun-tool moves CODE NUMBER [GAMES.DAT]\n"
    "       tablerun-tool deal CODE NUMBER [GAMES.DAT]\n"
    "       tablerun-tool soak [--games all|CODE,...] [--deals N] [--moves M] [--seed S]\n"
    "       tablerun-tool play CODE NUMBER [GAMES.DAT] [--save FILE] < SCRIPT\n"
    "       tablerun-tool records replay|dump DATAFOLDER [GAMES.DAT]\n"
    "       tablerun-tool choice tree [--mode N] [--player NAME] DATAFOLDER [GAMES.DAT]\n"
    "       tablerun-tool choice search TEXT [--kind N] [--player NAME] [DATAFOLDER [GAMES.DAT]]\n";

int fnUsage() {
  std::fputs(kUsage, stderr);
  return 2;
}

int fnGames(int argc, char** argv) {
  const std::string verb = argc > 2 ? argv[2] : "";
  if (verb == "compile" && argc == 5) return tablerun::fnGamesCompile(argv[3], argv[4]);
  if (verb == "list" && argc <= 4) return tablerun::fnGamesList(argc == 4 ? argv[3] : tablerun::fnDefaultGamesFile());
  if (verb == "show" && (argc == 4 || argc == 5)) {
    const auto code = tablerun::fnParseInteger(argv[3]);
    if (!code) return fnUsage();
    return tablerun::fnGamesShow(static_cast<int>(*code), argc == 5 ? argv[4] : tablerun::fnDefaultGamesFile());
  }
  return fnUsage();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "--version" && argc == 2) {
    std::printf("tablerun-tool %s\n", TABLERUN_VERSION);
    return 0;
  }
  if (command == "config-dump" && argc == 3) return tablerun::fnConfigDump(argv[2]);
  if (command == "games") return fnGames(argc, argv);
  if (command == "deck") return tablerun::fnDeckCommand(argc - 1, argv + 1);
  if (command == "layout") return tablerun::fnLayoutCommand(argc - 1, argv + 1);
  if (command == "deal") return tablerun::fnDealCommand(argc - 1, argv + 1);
  if (command == "moves") return tablerun::fnMovesCommand(argc - 1, argv + 1);
  if (command == "soak") return tablerun::fnSoakCommand(argc - 1, argv + 1);
  if (command == "play") return tablerun::fnPlayCommand(argc - 1, argv + 1);
  if (command == "records") return tablerun::fnRecordsCommand(argc - 1, argv + 1);
  if (command == "choice") return tablerun::fnChoiceCommand(argc - 1, argv + 1);
  return fnUsage();
}
