#include "tool/records_command.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "config/text.h"
#include "model/main_game_entries.h"
#include "records/game_log_file.h"
#include "records/game_recording.h"
#include "records/hi_score_file.h"
#include "records/overall_scores.h"
#include "records/progression.h"
#include "records/records_of_state.h"
#include "records/replayed_result.h"
#include "records/statistics_records.h"
#include "tool/console_screen.h"
#include "tool/games_commands.h"

namespace tablerun {
namespace {

constexpr const char* kUsage =
    "usage: tablerun-tool records replay DATAFOLDER [GAMES.DAT] < RESULTS\n"
    "       tablerun-tool records dump DATAFOLDER [GAMES.DAT]\n"
    "A result line: CODE PLAYER won|lost SCORE SECONDS NUMBER YYYYMMDD HH:MM:SS\n";

class TRecordsTool {
 public:
  bool Open(const std::string& dataFolder, const std::string& gamesFile) {
    state_.customGames.SetDataFolder(dataFolder);
    state_.dataFolder = dataFolder.ends_with('/') ? dataFolder : dataFolder + "/";
    if (!fs_.IsFolder(state_.dataFolder)) {
      std::fprintf(stderr, "No such folder: %s\n", dataFolder.c_str());
      return false;
    }
    return fnLoadGamesList(gamesFile, state_.mainGame.Catalogue());
  }

  int Replay() {
    state_.config.Write(cfg::kScoreKind, "01");
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
      if (fnTrim(line).empty()) continue;
      std::string error;
      const auto result = fnParseReplayedResult(line, error);
      if (!result) {
        std::fprintf(stderr, "line %d: %s\n", number, error.c_str());
        return 1;
      }
      Record(*result);
    }
    return 0;
  }

  void Dump() {
    TRecordsFolder folder = fnRecordsFolder(state_);
    DumpStatistics(folder);
    DumpOverall(folder);
    DumpHiScores(folder);
    std::printf("log lines: %zu\n", fnReadLogLines(folder).size());
    DumpProgressions();
  }

 private:
  void Record(const TReplayedResult& result) {
    state_.config.Write(cfg::kGame, fnZeroFill(result.gameCode, 4));
    state_.config.Write(cfg::kGameName, state_.mainGame.Catalogue().NameOf(result.gameCode, state_.customGames));
    state_.config.Write(cfg::kPlayer, result.player);
    state_.config.Write(cfg::kScore, std::to_string(result.score));
    state_.config.Write(cfg::kGameNumber, result.gameNumber);
    // As a game dealt with a newly drawn number and played by hand.
    state_.mainGame.Set(entries::kStatisticsEligible, 1);
    state_.mainGame.Set(entries::kFreshNumber, 1);
    fnRecordFinishedGame(state_,
                         {.won = result.won, .eligible = true, .elapsedSeconds = result.seconds, .end = result.end});
  }

  void DumpStatistics(TRecordsFolder& folder) {
    for (const std::string& game : fnStatisticsGames(folder)) {
      const int code = static_cast<int>(fnParseInteger(game).value_or(-1));
      for (const std::string& player : fnStatisticsPlayers(folder, code)) {
        const TGameStatistics s = fnReadStatistics(folder, code, player);
        std::printf("statistics %s \"%s\": won %lld lost %lld streaks %lld/%lld longest %lld/%lld score %lld\n",
                    game.c_str(), player.c_str(), Long(s.won), Long(s.lost), Long(s.winningStreak),
                    Long(s.losingStreak), Long(s.longestWinningStreak), Long(s.longestLosingStreak),
                    Long(s.totalScore));
      }
    }
  }

  void DumpOverall(TRecordsFolder& folder) {
    const std::vector<TBuiltInGame> games = fnBuiltInGames(state_);
    for (const std::string& player : folder.Sections(records_file::kOverall).ListSections()) {
      if (fnSameTextIgnoringCase(player, "version")) continue;
      const auto stored = fnReadStoredOverall(folder, player);
      const auto bests = fnGameBests(folder, player, games);
      if (!stored || !bests) return;
      std::printf("overall \"%s\": stored %lld in %llds, recomputed %lld in %llds\n", player.c_str(),
                  Long(stored->score), Long(stored->seconds), Long(bests->total.score), Long(bests->total.seconds));
      for (const TGameBest& best : bests->games) {
        if (best.score != 0 || best.seconds != 0)
          std::printf("  best %s %s: GS %lld GT %lld\n", fnZeroFill(best.game.code, 4).c_str(), best.game.name.c_str(),
                      Long(best.score), Long(best.seconds));
      }
    }
  }

  void DumpHiScores(TRecordsFolder& folder) {
    TSectionFile file = folder.Sections(records_file::kHiScores);
    for (const std::string& section : file.ListSections()) {
      if (fnSameTextIgnoringCase(section, "version") || fnSameTextIgnoringCase(section, "clear scores")) continue;
      std::printf("hi-scores %s\n", section.c_str());
      for (const std::string& line : file.ReadSectionLines(section)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos && !fnIsUnusedHiScore(line.substr(equals + 1)))
          std::printf("  %s\n", fnTrimRight(line).c_str());
      }
    }
  }

  void DumpProgressions() {
    for (const std::string& name : fs_.ListFolder(state_.dataFolder)) {
      if (!name.starts_with("Stat_prg_") || !name.ends_with(".dat")) continue;
      const auto bytes = fnReadWholeFile(fs_, state_.dataFolder + name);
      const auto games = fnParseProgression(bytes.value_or(""));
      std::printf("progression \"%s\": %zu games\n", name.substr(9, name.size() - 13).c_str(), games.size());
      for (const TProgressionGame& game : games)
        std::printf("  %s %02d-%02d %s\n", fnZeroFill(game.gameCode, 4).c_str(), game.year, game.month,
                    game.won ? "won" : "lost");
    }
  }

  static long long Long(std::int64_t value) { return static_cast<long long>(value); }

  TPosixFileSystem fs_;
  TConsoleScreen screen_;
  TTablerunState state_{fs_, screen_};
};

}  // namespace

int fnRecordsCommand(int argc, char** argv) {
  const std::string verb = argc > 1 ? argv[1] : "";
  if ((verb != "replay" && verb != "dump") || argc < 3 || argc > 4) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  TRecordsTool tool;
  if (!tool.Open(argv[2], argc == 4 ? argv[3] : fnDefaultGamesFile())) return 1;
  if (verb == "replay") return tool.Replay();
  tool.Dump();
  return 0;
}

}  // namespace tablerun
