// A finished game as every statistics file keeps it, checked against lines
// written out by hand from the file layouts.
#include <gtest/gtest.h>

#include "engine/session/play_commands.h"
#include "records/internet_counts.h"
#include "records/overall_scores.h"
#include "records/statistics_records.h"
#include "support/records_world.h"

namespace tablerun {
namespace {

using testing::TRecordsWorld;

std::string Spaces(std::size_t count) { return std::string(count, ' '); }

TEST(GameRecording, TheFirstGameEverMakesEveryFile) {
  TRecordsWorld world;
  world.Play("Ann", 0);
  EXPECT_EQ(world.Record(true).hiScoreRank, -1);  // every default score is above 0

  const testing::TTempFolder& folder = world.folder;
  EXPECT_EQ(folder.Read("Stat_glo.dat"), "[Version]\r\nVOvS=0300\r\n");
  EXPECT_EQ(folder.Read("Series_scr.dat"), "[Version]\r\nVersion=0300\r\n");
  EXPECT_TRUE(folder.Exists("Stat_uni.dat"));
  EXPECT_EQ(folder.Read("STAT.DAT"),
            "[Version]\r\nVersion=0300\r\n\r\n[0000]\r\n"
            "Ann=000001 000000 000001 000000 000001 000000 000000000000 000000000000\r\n");
  const std::string logLine = "20050302 14:05:09 000090 0000 Klondike" + Spaces(42) + " Ann" + Spaces(27) +
                              " Won  01 0" + Spaces(5) + " 12345" + Spaces(10) + " 7154";
  ASSERT_EQ(logLine.size(), 147u);
  EXPECT_EQ(folder.Read("Stat_log.dat"), logLine + "\r\n");
  // Code 0000, year 05, won in March.
  EXPECT_EQ(folder.Read("Stat_prg_Ann.dat"), std::string({33, 33, 38, 103}));
  EXPECT_EQ(world.state.config.Read(cfg::kSessionWon), "0001");
  EXPECT_EQ(world.state.config.Read(cfg::kSessionLost), "0000");

  // The never-used table was filled with its default entries: 52, 49, ... for a 52-card game.
  const std::string table = folder.Read("Stat_scr.dat");
  EXPECT_NE(table.find("01-01=000052 000260 20050302 14:05:09 * John" + Spaces(24) + " 000000000000000 Won  x"),
            std::string::npos);
  EXPECT_NE(table.find("01-20=000002 000010 "), std::string::npos);
}

TEST(GameRecording, StreaksScoresAndSessionCountersFollowEveryGame) {
  TRecordsWorld world;
  world.Play("Ann", 40);
  for (int i = 0; i < 3; ++i) world.Record(true);
  world.Play("Ann", -5);
  world.Record(false);

  TRecordsFolder files = world.Files();
  const TGameStatistics statistics = fnReadStatistics(files, 0, "Ann");
  EXPECT_EQ(statistics, (TGameStatistics{.won = 3,
                                         .lost = 1,
                                         .longestWinningStreak = 3,
                                         .longestLosingStreak = 1,
                                         .winningStreak = 0,
                                         .losingStreak = 1,
                                         .totalScore = 115}));
  EXPECT_EQ(world.state.config.Read(cfg::kSessionWon), "0003");
  EXPECT_EQ(world.state.config.Read(cfg::kSessionLost), "0001");

  // Another game, or a game loaded from a file, starts the counters afresh.
  fnChooseGame(world.state, 0);
  EXPECT_EQ(world.state.config.Read(cfg::kSessionWon), "0003");
  fnChooseGame(world.state, 1);
  EXPECT_EQ(world.state.config.Read(cfg::kSessionWon), "0000");
  EXPECT_EQ(world.state.config.Read(cfg::kSessionLost), "0000");
}

TEST(GameRecording, TheBestScoreAndTheOverallScoreFollowTheBestResult) {
  TRecordsWorld world;
  const std::vector<TBuiltInGame> games = fnBuiltInGames(world.state);
  TRecordsFolder files = world.Files();
  const auto overall = [&] {
    const auto ranking = fnRankPlayers(files, games, world.state.random, {});
    return ranking.empty() ? TOverallScore{} : ranking.front().overall;
  };
  world.Play("Ann", 60);
  EXPECT_EQ(world.Record(true, 300).hiScoreRank, 0);
  EXPECT_EQ(overall(), (TOverallScore{60, 300}));
  world.Record(true, 200);  // equal score, shorter time: the new best
  EXPECT_EQ(overall(), (TOverallScore{60, 200}));
  world.Play("Ann", 50);
  world.Record(true, 10);
  EXPECT_EQ(overall(), (TOverallScore{60, 200}));
  world.ChooseGame(1);
  world.Play("Ann", 20);
  world.Record(false, 40);
  EXPECT_EQ(overall(), (TOverallScore{80, 240}));
}

TEST(GameRecording, OnlyNewlyDrawnNumbersOfBuiltInGamesCountOnTheInternetList) {
  TRecordsWorld world;
  TRecordsFolder files = world.Files();
  world.Record(true);
  EXPECT_EQ(fnReadInternetCounts(files, 0, "Ann"), (TInternetCounts{0, 0}));
  world.state.mainGame.Set(entries::kFreshNumber, 1);
  world.Record(true);
  world.Record(false);
  EXPECT_EQ(fnReadInternetCounts(files, 0, "Ann"), (TInternetCounts{1, 1}));

  // A custom game counts in its own records only.
  world.state.config.Write(cfg::kGame, "8000");
  world.Play("Bob", 70);
  world.Record(true);
  EXPECT_EQ(fnReadStatistics(files, 8000, "Bob").won, 1);
  EXPECT_EQ(world.folder.Read("Stat_uni.dat").find("[Bob]"), std::string::npos);
  EXPECT_EQ(world.folder.Read("Stat_glo.dat").find("[Bob]"), std::string::npos);
  EXPECT_NE(world.folder.Read("Stat_scr.dat").find("[8000]"), std::string::npos);
}

TEST(GameRecording, AGameThatDoesNotCountLeavesOnlyTheEmptyFiles) {
  TRecordsWorld world;
  fnRecordFinishedGame(world.state, {.won = true, .eligible = false, .elapsedSeconds = 5, .end = {}});
  EXPECT_FALSE(world.folder.Exists("Stat_log.dat"));
  EXPECT_EQ(world.folder.Read("STAT.DAT"), "[Version]\r\nVersion=0300\r\n");
  EXPECT_EQ(world.folder.Read("Stat_prg_Ann.dat"), "");
}

TEST(GameRecording, AHandEditedProtectedValueIsDroppedWithItsMessage) {
  struct TCase {
    const char* file;
    const char* message;
  };
  const TCase cases[] = {{"Stat_glo.dat", "Overall Score Values are incorrect"},
                         {"Stat_uni.dat", "Internet Single Game Values are incorrect"}};
  for (const TCase& c : cases) {
    TRecordsWorld world;
    world.state.mainGame.Set(entries::kFreshNumber, 1);
    world.Play("Ann", 30);
    world.Record(true);
    std::string bytes = world.folder.Read(c.file);
    const std::size_t value = bytes.find('=', bytes.find("[Ann]")) + 3;
    bytes[value] = static_cast<char>(bytes[value] + 1);
    world.folder.Write(c.file, bytes);

    world.Record(true);
    ASSERT_FALSE(world.screen.messages.empty()) << c.file;
    EXPECT_NE(world.screen.messages.back().text.find(c.message), std::string::npos);
    EXPECT_FALSE(world.folder.Exists(c.file)) << "the broken file goes; the next game starts it afresh";
    world.Record(true);
    EXPECT_TRUE(world.folder.Exists(c.file));
  }
}

}  // namespace
}  // namespace tablerun
