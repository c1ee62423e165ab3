// Typed game numbers and the random game.
#include "choice/game_number_choice.h"

#include <gtest/gtest.h>

#include <set>

#include "support/built_in_games.h"

namespace tablerun {
namespace {

TEST(GameNumberChoice, ATypedNumberBecomesThirteenDigitsOrIsRefused) {
  struct TCase {
    const char* typed;
    TNumberProblem problem;
    const char* number;
  };
  const TCase cases[] = {
      {"42", TNumberProblem::None, "0000000000042"},
      {"   42", TNumberProblem::None, "0000000000042"},
      {"1234567890123", TNumberProblem::None, "1234567890123"},
      {"991234567890123", TNumberProblem::None, "1234567890123"},  // a longer number keeps its last digits
      {"", TNumberProblem::Empty, ""},
      {"   ", TNumberProblem::Empty, ""},
      {"0", TNumberProblem::Zero, ""},
      {"0000000000000000", TNumberProblem::Zero, ""},
      {"10000000000000", TNumberProblem::Zero, ""},  // its last 13 digits are all zeros
      {"12a", TNumberProblem::NotDigits, ""},
      {"1 2", TNumberProblem::NotDigits, ""},
      {"42 ", TNumberProblem::NotDigits, ""},
      {"-5", TNumberProblem::NotDigits, ""},
  };
  for (const TCase& c : cases) {
    const TTypedNumber read = fnReadTypedNumber(c.typed);
    EXPECT_EQ(read.problem, c.problem) << '"' << c.typed << '"';
    EXPECT_EQ(read.number, c.number) << '"' << c.typed << '"';
  }
  EXPECT_EQ(fnNumberProblemMessage(TNumberProblem::NotDigits), "Numbers only are required.");
  EXPECT_EQ(fnNumberProblemMessage(TNumberProblem::Zero), "");
}

TEST(GameNumberChoice, TheRandomGameReachesEveryBuiltInGameAndNothingElse) {
  const TCatalogue& catalogue = testing::BuiltInCatalogue();
  std::set<int> codes;
  for (const TCatalogueEntry& entry : catalogue.Entries()) codes.insert(entry.code);
  std::mt19937_64 random(3);
  std::set<int> drawn;
  for (int i = 0; i < 2000; ++i) {
    const auto code = fnRandomBuiltInGame(catalogue, random);
    ASSERT_TRUE(code && codes.contains(*code));
    drawn.insert(*code);
  }
  EXPECT_EQ(drawn, codes) << "the last game of the list is drawn too";
  EXPECT_FALSE(fnRandomBuiltInGame(TCatalogue{}, random));
}

}  // namespace
}  // namespace tablerun
