// Hi-score entries and their ranking, against entries written by hand.
#include "records/hi_score_table.h"

#include <gtest/gtest.h>

namespace tablerun {
namespace {

THiScoreEntry Result(std::int64_t score, std::int64_t seconds, const char* player = "Ann") {
  return {score, seconds, "20261210", "21:05:09", player, "1631472442756", true};
}

THiScoreTable Unused() {
  THiScoreTable table;
  table.fill(fnUnusedHiScoreEntry());
  return table;
}

TEST(HiScoreTable, EntryIsEightyFiveCharactersByColumn) {
  const std::string text = fnHiScoreEntryText(Result(-52, 125));
  EXPECT_EQ(text, "-00052 000125 20261210 21:05:09 Ann" + std::string(27, ' ') + " 1631472442756   Won  x");
  THiScoreEntry series = Result(1234567, 3);
  series.tag = "Y";
  series.won = false;
  EXPECT_EQ(fnHiScoreEntryText(series).substr(0, 13), "999999 000003");
  EXPECT_EQ(fnHiScoreEntryText(series).substr(63), "Y" + std::string(14, ' ') + " Lost x");
  EXPECT_EQ(fnUnusedHiScoreEntry().size(), kHiScoreEntryLength);
  EXPECT_TRUE(fnIsUnusedHiScore(fnUnusedHiScoreEntry()));
  EXPECT_TRUE(fnIsUnusedHiScore(""));
  EXPECT_FALSE(fnIsUnusedHiScore(text));
}

TEST(HiScoreTable, AResultGoesAboveWhatItBeatsAndBelowTheRest) {
  THiScoreTable table = Unused();
  EXPECT_EQ(fnEnterHiScore(table, Result(100, 60, "Ann")), 0);
  EXPECT_EQ(fnEnterHiScore(table, Result(100, 50, "Bob")), 0);  // equal score, shorter time
  EXPECT_EQ(fnEnterHiScore(table, Result(100, 50, "Cid")), 1);  // equal score and time: below Bob, above Ann
  EXPECT_EQ(fnEnterHiScore(table, Result(-999, 9, "Dee")), 3);  // any result beats an unused rank
  EXPECT_EQ(table[0].substr(32, 3), "Bob");
  EXPECT_EQ(table[1].substr(32, 3), "Cid");
  EXPECT_EQ(table[2].substr(32, 3), "Ann");

  THiScoreTable full;
  for (std::size_t rank = 0; rank < full.size(); ++rank) {
    full[rank] = fnHiScoreEntryText(Result(static_cast<std::int64_t>(200 - rank * 10), 30));
  }
  const std::string last = full.back();
  EXPECT_EQ(fnEnterHiScore(full, Result(5, 1)), -1);  // beats nothing
  EXPECT_EQ(full.back(), last);
  EXPECT_EQ(fnEnterHiScore(full, Result(195, 1, "Eve")), 1);
  EXPECT_EQ(full[1].substr(32, 3), "Eve");
  EXPECT_EQ(full.back(), fnHiScoreEntryText(Result(20, 30)));  // the last one dropped out
}

TEST(HiScoreTable, DefaultScoresFollowTheGamesSize) {
  const auto fiftyTwo = fnDefaultHiScores(52, -1);
  EXPECT_EQ(fiftyTwo[0], 52);
  EXPECT_EQ(fiftyTwo[12], 16);
  EXPECT_EQ(fiftyTwo[13], 14);
  EXPECT_EQ(fiftyTwo[19], 2);
  // 104 cards: steps of 6, never below 1.
  const auto twoDecks = fnDefaultHiScores(104, -1);
  EXPECT_EQ(twoDecks[0], 104);
  EXPECT_EQ(twoDecks[1], 98);
  EXPECT_EQ(twoDecks[19], 1);
  // A largest score under 92 sets the base: 40 gives 20, stepping by 2.
  const auto small = fnDefaultHiScores(32, 40);
  EXPECT_EQ(small[0], 20);
  EXPECT_EQ(small[1], 18);
  EXPECT_EQ(small[19], 1);
}

}  // namespace
}  // namespace tablerun
