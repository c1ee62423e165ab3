// The statistics files of a long-used program: 20 players who played each of
// 322 games, with a log of 100,000 games, in a folder made under
// $TABLERUN_BENCH_FOLDER (default /tmp): a folder in memory (/dev/shm) leaves
// out the disk's syncs.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "config/text.h"
#include "engine/state/tablerun_state.h"
#include "games_beside_program.h"
#include "model/main_game_entries.h"
#include "records/game_log.h"
#include "records/game_statistics.h"
#include "records/hi_score_file.h"
#include "records/overall_scores.h"
#include "records/progression.h"
#include "tool/console_screen.h"

namespace tablerun::bench {

constexpr int kPlayers = 20;
constexpr int kGames = 322;
constexpr int kLogLines = 100000;

inline std::string PlayerName(int i) { return "Player " + std::to_string(i + 1); }

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline void FillFolder(const std::string& folder) {
  std::mt19937_64 random(1);
  std::string statistics = "[Version]\r\nVersion=0300\r\n";
  std::string scores = statistics;
  for (int game = 0; game < kGames; ++game) {
    statistics += "\r\n[" + fnZeroFill(game, 4) + "]\r\n";
    scores += "\r\n[" + fnZeroFill(game, 4) + "]\r\n";
    for (int p = 0; p < kPlayers; ++p) {
      statistics += PlayerName(p) + "=" + fnStatisticsText({.won = p + game, .lost = p, .totalScore = 40 * p}) + "\r\n";
      scores += "01-" + fnZeroFill(p + 1, 2) + "=" +
                fnHiScoreEntryText({100 - p, 60 + p, "20260101", "12:00:00", PlayerName(p), "1", true}) + "\r\n";
    }
  }
  std::string overall = "[Version]\r\nVOvS=0300\r\n";
  for (int p = 0; p < kPlayers; ++p) {
    const TOverallTexts texts = fnGuardedOverall({kGames * 50, kGames * 100}, random);
    overall += "\r\n[" + PlayerName(p) + "]\r\nT01=" + texts.score + "\r\nT02=" + texts.seconds +
               "\r\nT03=" + texts.guard + "\r\n";
    for (int game = 0; game < kGames; ++game) {
      overall += "GS-" + fnZeroFill(game, 4) + "=" + fnGuardedValue(TDigitLayout::A, 50, "", random) + "\r\n";
      overall += "GT-" + fnZeroFill(game, 4) + "=" + fnGuardedValue(TDigitLayout::B, 100, "", random) + "\r\n";
    }
  }
  std::string log;
  std::string progression;
  for (int line = 0; line < kLogLines; ++line) {
    const TGameLogEntry entry{.end = {2026, 1 + line % 12, 1, 12, 0, 0},
                              .elapsedSeconds = 100,
                              .gameCode = line % kGames,
                              .gameName = "A game",
                              .player = PlayerName(line % kPlayers),
                              .won = line % 3 != 0,
                              .scoreKind = "01",
                              .score = "50",
                              .gameNumber = "1"};
    log += fnGameLogLine(entry) + "\r\n";
    if (line % kPlayers == 0) progression += fnProgressionGroup({entry.gameCode, 26, entry.end.month, entry.won});
  }
  WriteFile(folder + "STAT.DAT", statistics);
  WriteFile(folder + "Stat_scr.dat", scores);
  WriteFile(folder + "Series_scr.dat", "[Version]\r\nVersion=0300\r\n");
  WriteFile(folder + "Stat_glo.dat", overall);
  WriteFile(folder + "Stat_uni.dat", "");
  WriteFile(folder + "Stat_log.dat", log);
  WriteFile(folder + "Stat_prg_" + PlayerName(0) + ".dat", progression);
}

// A program state over a freshly filled folder, removed at the end.
class TLongUsedFolder {
 public:
  TLongUsedFolder() {
    const char* base = std::getenv("TABLERUN_BENCH_FOLDER");
    std::string pattern = std::string(base ? base : "/tmp") + "/tablerun-records-XXXXXX";
    folder_ = std::string(::mkdtemp(pattern.data())) + "/";
    FillFolder(folder_);
    state.dataFolder = folder_;
    state.customGames.SetDataFolder(folder_);
    loaded = fnLoadGamesBesideProgram(fs_, state.mainGame.Catalogue());
    state.config.Write(cfg::kGame, "0000");
    state.config.Write(cfg::kPlayer, PlayerName(0));
    state.config.Write(cfg::kScoreKind, "01");
    state.config.Write(cfg::kScore, "75");
    state.config.Write(cfg::kGameNumber, "42");
    state.mainGame.Set(entries::kStatisticsEligible, 1);
    state.mainGame.Set(entries::kFreshNumber, 1);
  }
  ~TLongUsedFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  bool loaded = false;

 private:
  TPosixFileSystem fs_;
  TConsoleScreen screen_;
  std::string folder_;

 public:
  TTablerunState state{fs_, screen_};
};

}  // namespace tablerun::bench
