// What the hi-score and champions windows show, from tables and files written
// by the records code, against rows worked out by hand.
#include <gtest/gtest.h>

#include "config/file_system.h"
#include "records/elapsed_time_text.h"
#include "records/hi_score_rows.h"
#include "records/overall_rows.h"
#include "records/single_game_rows.h"
#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

TEST(ScoreWindows, ElapsedTimeKeepsItsHoursWidth) {
  struct TCase {
    std::int64_t seconds;
    int width;
    const char* text;
  };
  for (const TCase& c : {TCase{0, 1, "0:00:00"}, TCase{3725, 1, "1:02:05"}, TCase{35999, 1, "9:59:59"},
                         TCase{36000, 1, "*:00:00"}, TCase{59, 2, "00:00:59"}, TCase{36000, 2, "10:00:00"},
                         TCase{359999, 2, "99:59:59"}, TCase{360000, 2, "99:99:99"}}) {
    EXPECT_EQ(fnElapsedTimeText(c.seconds, c.width), c.text) << c.seconds << " in " << c.width;
  }
}

TEST(ScoreWindows, HiScoreRowsReadTheEntriesColumns) {
  THiScoreTable table;
  table.fill(fnUnusedHiScoreEntry());
  table[0] = fnHiScoreEntryText({52, 3725, "20261210", "21:05:09", "Ann Lee", "1631472442756", true});
  table[1] = fnHiScoreEntryText({-5, 40000, "20270101", "00:00:01", "Bob", "123456789012345", false});
  table[2] = "  x52? " + table[0].substr(7);  // a score edited out of shape

  const std::vector<THiScoreRow> rows = fnHiScoreRows(table);
  ASSERT_EQ(rows.size(), 20u);
  const auto fields = [](const THiScoreRow& row) {
    return std::vector<std::string>{row.rank, row.player, row.score, row.time, row.result, row.date, row.gameNumber};
  };
  EXPECT_EQ(fields(rows[0]),
            (std::vector<std::string>{"01", "Ann Lee", "52", "1:02:05", "Won ", "20261210", "1631472442756"}));
  EXPECT_EQ(fields(rows[1]),
            (std::vector<std::string>{"02", "Bob", "-5", "*:06:40", "Lost", "20270101", "1234567890123"}));
  EXPECT_EQ(rows[2].score, "x52?");
  EXPECT_EQ(fields(rows[19]), std::vector<std::string>(7));
}

TBuiltInGame Game(int code, const char* name, int maxScore, int cards) { return {code, name, maxScore, cards}; }

TEST(ScoreWindows, ChampionsAreRankedRowsWithLongHours) {
  const std::vector<TRankedPlayer> ranking{{"Ann", {1520, 400000}, ""}, {"Bob", {7, 3725}, ""}};
  const auto rows = fnChampionRows(ranking);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].rank + rows[0].player + " " + rows[0].score + " " + rows[0].time, "01Ann 1520 99:99:99");
  EXPECT_EQ(rows[1].rank + rows[1].player + " " + rows[1].score + " " + rows[1].time, "02Bob 7 01:02:05");
}

TEST(ScoreWindows, DetailsMarkTheMaximumAndCountHiddenGamesInTheTotals) {
  TGameBests bests;
  // Already by name, as the best scores are read.
  bests.games = {{Game(4, "Alpha", -1, 13), 52, 125},      // no largest score: four times 13 cards
                 {Game(2, "Beta", 100, 52), 0, 0},         // never scored
                 {Game(9, "Gamma", 150, 52), 149, 36000},  // one short of its largest score
                 {Game(1, "Omega", 60, 52), 61, 30}};      // above its largest score
  bests.total = {52 + 149 + 61, 125 + 36000 + 30};

  const auto all = fnDetailsRows(bests, false);
  ASSERT_EQ(all.size(), 4u);
  const auto row = [](const TDetailsRow& r) {
    return std::to_string(r.gameCode) + "|" + r.game + "|" + r.score + "|" + r.max + "|" + r.time;
  };
  EXPECT_EQ(row(all[0]), "4|Alpha|52|Yes|0:02:05");
  EXPECT_EQ(row(all[1]), "2|Beta|||");
  EXPECT_EQ(row(all[2]), "9|Gamma|149||*:00:00");
  EXPECT_EQ(row(all[3]), "1|Omega|61|Yes|0:00:30");

  const auto belowMax = fnDetailsRows(bests, true);
  ASSERT_EQ(belowMax.size(), 2u);
  EXPECT_EQ(belowMax[0].game, "Beta");
  EXPECT_EQ(belowMax[1].game, "Gamma");

  const TDetailsTotals totals = fnDetailsTotals(bests);
  EXPECT_EQ(totals.score, "262");
  EXPECT_EQ(totals.time, "10:02:35");
}

TEST(ScoreWindows, PercentWonRoundsHalfUpAndNeverDividesByZero) {
  struct TCase {
    TInternetCounts counts;
    const char* text;
  };
  for (const TCase& c : {TCase{{2, 1}, "66.67"}, TCase{{1, 2}, "33.33"}, TCase{{1, 7}, "12.50"}, TCase{{1, 31}, "3.13"},
                         TCase{{1, 199}, "0.50"}, TCase{{5, 0}, "100.00"}, TCase{{0, 30}, "0.00"}, TCase{{0, 0}, ""}}) {
    EXPECT_EQ(fnPercentWonText(c.counts), c.text) << c.counts.won << "/" << c.counts.lost;
  }
}

TEST(ScoreWindows, PublishingNeedsThirtyGamesAndAWin) {
  struct TCase {
    TInternetCounts counts;
    bool publishable;
    bool mayPublish;
  };
  for (const TCase& c : {TCase{{0, 0}, false, false}, TCase{{29, 0}, false, false}, TCase{{1, 29}, true, true},
                         TCase{{0, 30}, true, false}, TCase{{40, 2}, true, true}}) {
    EXPECT_EQ(fnIsPublishableGame(c.counts), c.publishable) << c.counts.won << "/" << c.counts.lost;
    EXPECT_EQ(fnMayPublishGame(c.counts), c.mayPublish) << c.counts.won << "/" << c.counts.lost;
  }
}

struct SingleGameRows : ::testing::Test {
  testing::TTempFolder temp;
  TPosixFileSystem fs;
  testing::TRecordingScreen screen;
  TRecordsFolder folder{fs, screen, temp.Path()};
  std::mt19937_64 random{11};
  const std::vector<TBuiltInGame> games{Game(7, "Zeta", -1, 52), Game(3, "Alpha", -1, 52), Game(5, "Mid", -1, 52)};

  void SetUp() override { folder.EnsureFiles("Ann"); }
};

TEST_F(SingleGameRows, EachGameByNameWithTheCountsThatAreNotZero) {
  for (int i = 0; i < 2; ++i) fnCountInternetGame(folder, 3, "Ann", true, random);
  fnCountInternetGame(folder, 3, "Ann", false, random);
  fnCountInternetGame(folder, 7, "Ann", false, random);
  fnCountInternetGame(folder, 5, "Bob", true, random);

  const auto rows = fnSingleGameRows(folder, games, "Ann");
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 3u);
  const auto row = [](const TSingleGameRow& r) {
    return std::to_string(r.gameCode) + "|" + r.game + "|" + r.percentWon + "|" + r.total + "|" + r.won + "|" + r.lost;
  };
  EXPECT_EQ(row((*rows)[0]), "3|Alpha|66.67|3|2|1");
  EXPECT_EQ(row((*rows)[1]), "5|Mid||||");  // another player's game
  EXPECT_EQ(row((*rows)[2]), "7|Zeta|0.00|1||1");
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(SingleGameRows, BrokenCountsGiveNoRowsAndTellThePlayer) {
  fnCountInternetGame(folder, 5, "Ann", true, random);
  std::string file = temp.Read("Stat_uni.dat");
  file[file.find("GW-0005=") + 9] ^= 1;
  temp.Write("Stat_uni.dat", file);

  EXPECT_FALSE(fnSingleGameRows(folder, games, "Ann"));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_TRUE(screen.messages[0].text.starts_with("It appears as if the Internet Single Game Values"));
  EXPECT_FALSE(temp.Exists("Stat_uni.dat"));
}

}  // namespace
}  // namespace tablerun
