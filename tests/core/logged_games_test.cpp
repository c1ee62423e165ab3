// The select-a-number dialog's pages from a hand-made game log.
#include "choice/logged_games.h"

#include <gtest/gtest.h>

#include "support/logged_game.h"

namespace tablerun {
namespace {

std::string Line(const char* game, const char* player, bool won, const std::string& number, int day) {
  return fnGameLogLine(testing::LoggedGame(game, player, won, number, {2026, 1, day, 12, 0, 0}));
}

TEST(LoggedGames, PreviousGamesAreTheNewestHundred) {
  std::vector<std::string> log;
  for (int i = 1; i <= 120; ++i) log.push_back(Line("FreeCell", "Ann", i % 2 == 0, std::to_string(i), 1));
  const std::vector<TLoggedGame> games = fnPreviousGames(log);
  ASSERT_EQ(games.size(), kPreviousGamesShown);
  EXPECT_EQ(games.front(), (TLoggedGame{"120", "FreeCell", "Ann", "20260101", "12:00:00", true}));
  EXPECT_EQ(games.back().gameNumber, "21");
  EXPECT_TRUE(fnPreviousGames({}).empty());
}

TEST(LoggedGames, LostGamesAreTheNumbersNobodyWonOnceEach) {
  const std::vector<std::string> log = {
      Line("FreeCell", "Bob", false, "5", 3),
      Line("FreeCell", "ann", false, "5", 4),  // the same number lost by two: the first in the alphabet
      Line("FreeCell", "Ann", false, "7", 2),
      Line("FreeCell", "Bob", true, "7", 9),  // won later by anybody: gone
      Line("FreeCell", "Ann", false, "8", 6),
      Line("FreeCell", "Ann", false, "8", 5),  // the player's first try
      Line("Klondike", "Cy", false, "9", 7),   // another game
      "a line cut short",
  };
  const std::vector<TLoggedGame> lost = fnLostGames(log, "FreeCell   ");
  ASSERT_EQ(lost.size(), 2u);
  EXPECT_EQ(lost[0], (TLoggedGame{"8", "FreeCell", "Ann", "20260105", "12:00:00", false}));
  EXPECT_EQ(lost[1], (TLoggedGame{"5", "FreeCell", "ann", "20260104", "12:00:00", false}));
  EXPECT_TRUE(fnLostGames(log, "Spider").empty());
}

}  // namespace
}  // namespace tablerun
