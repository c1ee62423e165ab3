// Clearing, trimming and renaming over the statistics files.
#include <gtest/gtest.h>

#include "records/game_log_file.h"
#include "records/hi_score_file.h"
#include "records/internet_counts.h"
#include "records/statistics_operations.h"
#include "records/statistics_records.h"
#include "support/logged_game.h"
#include "support/records_world.h"

namespace tablerun {
namespace {

using testing::TRecordsWorld;

// Ann and Bob each win Klondike (0) and lose FreeCell (1), from newly drawn numbers.
void PlayTwoPlayers(TRecordsWorld& world) {
  world.state.mainGame.Set(entries::kFreshNumber, 1);
  for (const char* player : {"Ann", "Bob"}) {
    world.ChooseGame(0);
    world.Play(player, 60);
    world.Record(true);
    world.ChooseGame(1);
    world.Play(player, 10);
    world.Record(false);
  }
}

std::vector<std::string> LogPlayers(TRecordsWorld& world) {
  TRecordsFolder files = world.Files();
  std::vector<std::string> players;
  for (const std::string& line : fnReadLogLines(files)) players.push_back(fnLogPlayer(line).value_or("?"));
  return players;
}

TEST(StatisticsClearing, APlayerOfAllGamesKeepsZeroedRecordsAndLosesTheLogLines) {
  TRecordsWorld world;
  PlayTwoPlayers(world);
  const std::string progression = world.folder.Read("Stat_prg_Ann.dat");
  fnClearStatistics(world.state, std::nullopt, std::string("Ann"));

  TRecordsFolder files = world.Files();
  for (const int game : {0, 1}) {
    EXPECT_EQ(fnStatisticsPlayers(files, game), (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(fnReadStatistics(files, game, "Ann"), TGameStatistics{});
    EXPECT_EQ(fnReadInternetCounts(files, game, "Ann"), (TInternetCounts{0, 0}));
  }
  const auto bob = fnReadPlayerStatistics(files, "Bob");
  ASSERT_EQ(bob.size(), 2u);
  EXPECT_EQ(bob.at(0).won, 1);
  EXPECT_EQ(bob.at(1).lost, 1);
  EXPECT_EQ(fnReadInternetCounts(files, 1, "Bob"), (TInternetCounts{0, 1}));
  EXPECT_EQ(LogPlayers(world), (std::vector<std::string>{"Bob", "Bob"}));
  EXPECT_EQ(world.folder.Read("Stat_prg_Ann.dat"), progression);
  EXPECT_EQ(world.state.config.Read(cfg::kSessionLost), "0000");
}

TEST(StatisticsClearing, OneGameOfEveryPlayerAndThenEverything) {
  TRecordsWorld world;
  PlayTwoPlayers(world);
  world.ChooseGame(0);
  world.state.config.Write(cfg::kSessionWon, "0002");
  fnClearStatistics(world.state, 1, std::string("Bob"));
  EXPECT_EQ(world.state.config.Read(cfg::kSessionWon), "0002") << "another game's counters stay";
  fnClearStatistics(world.state, 1, std::nullopt);
  TRecordsFolder files = world.Files();
  EXPECT_EQ(fnReadStatistics(files, 1, "Bob"), TGameStatistics{});
  EXPECT_EQ(fnReadStatistics(files, 0, "Bob").won, 1);
  EXPECT_EQ(world.state.config.Read(cfg::kSessionWon), "0000") << "every player's counters went";
  EXPECT_EQ(LogPlayers(world), (std::vector<std::string>{"Ann", "Bob"}));

  fnClearStatistics(world.state, std::nullopt, std::nullopt);
  EXPECT_EQ(world.folder.Read("STAT.DAT"), "[Version]\r\nVersion=0300\r\n");
  EXPECT_EQ(world.folder.Read("Stat_uni.dat"), "");
  EXPECT_FALSE(world.folder.Exists("Stat_log.dat"));
  EXPECT_EQ(world.state.config.Read(cfg::kSessionWon), "0000");
}

TEST(StatisticsClearing, ClearingEveryHiScoreLeavesAMarkedEmptyFile) {
  TRecordsWorld world;
  PlayTwoPlayers(world);
  fnClearHiScores(world.state, std::nullopt, std::nullopt, "01");
  EXPECT_EQ(world.folder.Read("Stat_scr.dat"), "[Version]\r\nVersion=0300\r\n\r\n[Clear scores]\r\nCleared=Y\r\n");
  EXPECT_FALSE(world.folder.Exists("Stat_glo.dat"));

  // No default entries come back: the next result stands alone in its table.
  world.ChooseGame(0);
  world.Play("Ann", 5);
  EXPECT_EQ(world.Record(true).hiScoreRank, 0);
  TRecordsFolder files = world.Files();
  const THiScoreTable table = fnReadHiScoreTable(files, THiScoreFile::HiScores, "0000", "01", THiScoreDefaults{});
  EXPECT_TRUE(fnIsUnusedHiScore(table[1]));
}

TEST(StatisticsClearing, RemovingAPlayersEntriesTakesTheGamesBestFromTheOverallScore) {
  TRecordsWorld world;
  PlayTwoPlayers(world);
  const auto overallOf = [&](const std::string& player) {
    TRecordsFolder files = world.Files();
    for (const TRankedPlayer& ranked : fnRankPlayers(files, fnBuiltInGames(world.state), world.state.random, {}))
      if (ranked.player == player) return ranked.overall.score;
    return std::int64_t{0};
  };
  EXPECT_EQ(overallOf("Ann"), 70);
  fnClearHiScores(world.state, 0, std::string("Ann"), "01");
  EXPECT_EQ(overallOf("Ann"), 10);
  EXPECT_EQ(overallOf("Bob"), 70);
  TRecordsFolder files = world.Files();
  const THiScoreTable table = fnReadHiScoreTable(files, THiScoreFile::HiScores, "0000", "01", std::nullopt);
  for (const std::string& entry : table) EXPECT_NE(fnHiScorePlayer(entry), "Ann");
}

TEST(StatisticsClearing, ClearingAllValuesLeavesOnlyTheHeadersAndTheMarks) {
  TRecordsWorld world;
  PlayTwoPlayers(world);
  // The session counters show for the current game and player only (Bob, FreeCell).
  EXPECT_EQ(fnReadStatisticsView(world.state, 1, "Bob").sessionLost, 2);
  EXPECT_EQ(fnReadStatisticsView(world.state, 1, "Ann").sessionLost, 0);
  EXPECT_EQ(fnReadStatisticsView(world.state, 1, "Ann").statistics.lost, 1);

  fnClearAllValues(world.state, {"Ann", "Bob"});
  const std::string marked = "[Version]\r\nVersion=0300\r\n\r\n[Clear scores]\r\nCleared=Y\r\n";
  EXPECT_EQ(world.folder.Read("Stat_scr.dat"), marked);
  EXPECT_EQ(world.folder.Read("Series_scr.dat"), marked);
  EXPECT_EQ(world.folder.Read("STAT.DAT"), "[Version]\r\nVersion=0300\r\n");
  for (const char* gone : {"Stat_glo.dat", "Stat_log.dat", "Stat_prg_Ann.dat", "Stat_prg_Bob.dat"})
    EXPECT_FALSE(world.folder.Exists(gone)) << gone;
  EXPECT_EQ(fnReadStatisticsView(world.state, 1, "Bob").sessionLost, 0);
}

TEST(StatisticsLog, ClearingTheLogTakesThePlayersProgressionWithIt) {
  TRecordsWorld world;
  world.Record(true);
  fnClearLog(world.state);
  EXPECT_FALSE(world.folder.Exists("Stat_log.dat"));
  EXPECT_FALSE(world.folder.Exists("Stat_prg_Ann.dat"));
  EXPECT_TRUE(world.folder.Exists("STAT.DAT"));
}

TEST(StatisticsLog, TrimmingKeepsExactlyTheLastLines) {
  TRecordsWorld world;
  std::string log;
  for (int second = 0; second < 120; ++second) {
    const TDateTime end{2005, 3, 2, 14, second / 60, second % 60};
    log += fnGameLogLine(testing::LoggedGame("Klondike", "Ann", second % 2 == 0, "1", end)) + "\r\n";
  }
  world.folder.Write("Stat_log.dat", log);
  TRecordsFolder files = world.Files();
  EXPECT_EQ(fnEstimateLogLength(files), 120);
  ASSERT_TRUE(fnTrimLog(world.state, 100));
  const std::vector<std::string> lines = fnReadLogLines(files);
  ASSERT_EQ(lines.size(), 100u);
  EXPECT_EQ(lines.front().substr(9, 8), "14:00:20") << "line 21 comes first";
  EXPECT_FALSE(world.folder.Exists("Stat_prg_Ann.dat"));
  EXPECT_EQ(world.screen.messages.back().text, "Log Statistics have been cleared.");

  // The progression file comes back from what the log holds.
  files.EnsureFiles("Ann");
  EXPECT_EQ(world.folder.Read("Stat_prg_Ann.dat").size(), 400u);
}

TEST(StatisticsRename, EveryFileFollowsTheNewName) {
  TRecordsWorld world;
  PlayTwoPlayers(world);
  int progress = -1;
  ASSERT_TRUE(fnRenamePlayer(world.state, "Ann", "Annabel", [&](int lines) { progress = lines; }));
  EXPECT_GE(progress, 0);
  for (const char* file : {"STAT.DAT", "Stat_glo.dat", "Stat_uni.dat", "Stat_log.dat", "Stat_scr.dat"}) {
    const std::string bytes = world.folder.Read(file);
    EXPECT_NE(bytes.find("Annabel"), std::string::npos) << file;
    EXPECT_EQ(bytes.find("Ann "), std::string::npos) << file;
    EXPECT_EQ(bytes.find("Ann="), std::string::npos) << file;
  }
  EXPECT_FALSE(world.folder.Exists("Stat_prg_Ann.dat"));
  EXPECT_EQ(world.folder.Read("Stat_prg_Annabel.dat").size(), 8u);
  TRecordsFolder files = world.Files();
  EXPECT_EQ(fnReadStatistics(files, 0, "Annabel").won, 1);
  EXPECT_EQ(fnReadInternetCounts(files, 1, "Annabel"), (TInternetCounts{0, 1}));
  EXPECT_EQ(fnReadStatistics(files, 0, "Bob").won, 1);

  EXPECT_FALSE(fnRenamePlayer(world.state, "Bob", "../Bob", {})) << "a name that is no file name";
}

}  // namespace
}  // namespace tablerun
