#include "model/deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "support/recording_screen.h"

namespace tablerun {
namespace {

TGameRules fnRules(int cards, int jokers = 0, int stripped = 0) {
  TGameRules rules;
  rules.Set(rule::kCards, static_cast<int16_t>(cards));
  rules.Set(rule::kJokersInDeck, jokers > 0 ? 1 : 0);
  rules.Set(rule::kJokers, static_cast<int16_t>(jokers));
  rules.Set(rule::kStrippedDeck, static_cast<int16_t>(stripped));
  return rules;
}

TEST(Deal, GameNumberOneGivesTheGoldenDeck) {
  testing::TRecordingScreen screen;
  const std::string golden =
      "040 004 043 039 015 006 016 045 018 035 034 007 049 011 025 024 026 027 046 030 048 010 012 032 021 002 "
      "041 003 042 005 014 044 017 013 033 009 019 023 052 022 037 038 051 028 008 029 047 031 020 050 036 001";
  EXPECT_EQ(fnDeckText(fnGameNumberCardsArray("1", fnRules(52), screen)), golden);
  EXPECT_EQ(fnDeckText(fnGameNumberCardsArray("0000000000001", fnRules(52), screen)), golden);
  EXPECT_TRUE(screen.messages.empty());
}

TEST(Deal, EveryDeckIsAPermutationOfItsCards) {
  testing::TRecordingScreen screen;
  std::mt19937_64 generator(20021);
  for (int cards : {52, 104, 156, 208}) {
    std::vector<int> expected(static_cast<std::size_t>(cards));
    std::iota(expected.begin(), expected.end(), 1);
    for (int round = 0; round < 300; ++round) {
      const std::string number = round == 0 ? "0" : round == 1 ? "9999999999999" : fnNewGameNumber(generator);
      auto deck = fnGameNumberCardsArray(number, fnRules(cards), screen);
      std::sort(deck.begin(), deck.end());
      ASSERT_EQ(deck, expected) << cards << " cards, game number " << number;
    }
  }
}

TEST(Deal, JokersAndStrippedDecks) {
  testing::TRecordingScreen screen;
  struct TCase {
    int cards, jokers, stripped;
    std::size_t size;
  };
  for (const auto& [cards, jokers, stripped, size] : {TCase{52, 2, 0, 54}, TCase{104, 4, 0, 108}, TCase{52, 0, 1, 32},
                                                      TCase{52, 0, 2, 28}, TCase{104, 0, 2, 56}, TCase{52, 1, 2, 29}}) {
    for (const char* number : {"1", "4242424242424", "8005551234"}) {
      const auto deck = fnGameNumberCardsArray(number, fnRules(cards, jokers, stripped), screen);
      ASSERT_EQ(deck.size(), size) << cards << "/" << jokers << "/" << stripped;
      for (int joker = 209; joker < 209 + jokers; ++joker) EXPECT_EQ(std::count(deck.begin(), deck.end(), joker), 1);
      EXPECT_EQ(std::count(deck.begin(), deck.end(), 0), 0);
    }
  }
}

TEST(Deal, AnImpossibleCardCountSaysSoAndDealsNothing) {
  testing::TRecordingScreen screen;
  const auto deck = fnGameNumberCardsArray("1", fnRules(100), screen);
  EXPECT_EQ(deck, std::vector<int>(100, 0));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text, "Error 01 - fnGameNumberCardsArray");
  EXPECT_TRUE(fnGameNumberCardsArray("1", fnRules(0), screen).empty());  // no rules loaded: nothing to deal
}

TEST(Deal, NewGameNumbersAreThirteenDigitsWithoutExponents) {
  std::mt19937_64 generator(7);
  for (int round = 0; round < 1000; ++round) {
    const std::string number = fnNewGameNumber(generator);
    ASSERT_EQ(number.size(), 13u);
    ASSERT_EQ(number.find_first_not_of("0123456789"), std::string::npos) << number;
  }
  EXPECT_EQ(fnNormalizedGameNumber("12"), "0000000000012");
  EXPECT_EQ(fnNormalizedGameNumber("99999999999999"), "9999999999999");
}

}  // namespace
}  // namespace tablerun
