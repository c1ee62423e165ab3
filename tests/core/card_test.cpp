#include "model/card.h"

#include <gtest/gtest.h>

namespace tablerun {
namespace {

TEST(Card, EveryDeckCardFollowsItsCode) {
  for (int deck = 1; deck <= 4; ++deck) {
    for (int suit = 0; suit < 4; ++suit) {
      for (int rank = 1; rank <= 13; ++rank) {
        const int code = (deck - 1) * 52 + suit * 13 + rank;
        SCOPED_TRACE(code);
        EXPECT_EQ(fnCardRank(code), rank);
        EXPECT_EQ(fnCardSuit(code), suit);
        EXPECT_EQ(fnIsRedCard(code), suit <= 1);
        EXPECT_EQ(fnIsFaceCard(code), rank >= 11);
        EXPECT_EQ(fnCardImageIndex(code), suit * 13 + rank - 1);
      }
    }
  }
}

TEST(Card, PropertiesAtTheBoundaries) {
  struct TCase {
    int code;
    int rank;
    int suit;
    bool red;
    bool face;
    int image;
  };
  const TCase cases[] = {
      {0, 0, 0, true, false, -1},                                    // no card
      {26, 13, 1, true, true, 25},                                   // last red of deck 1
      {27, 1, 2, false, false, 26},     {53, 1, 0, true, false, 0},  // Ace of hearts, deck 2
      {78, 13, 1, true, true, 25},      {79, 1, 2, false, false, 26},
      {105, 1, 0, true, false, 0},      {156, 13, 3, false, true, 51},
      {157, 1, 0, true, false, 0},      {182, 13, 1, true, true, 25},
      {183, 1, 2, false, false, 26},    {208, 13, 3, false, true, 51},  // King of spades, deck 4
      {209, 100, -1, false, false, 52},                                 // jokers
      {210, 100, -1, false, false, 52}, {212, 100, -1, false, false, 52},
      {213, -1, -1, false, false, -1},  // beyond the last joker
      {-1, -1, -1, true, false, -1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(fnCardRank(c.code), c.rank);
    EXPECT_EQ(fnCardSuit(c.code), c.suit);
    EXPECT_EQ(fnIsRedCard(c.code), c.red);
    EXPECT_EQ(fnIsFaceCard(c.code), c.face);
    EXPECT_EQ(fnCardImageIndex(c.code), c.image);
  }
}

TEST(Card, RankText) {
  const std::pair<int, const char*> cases[] = {
      {1, "A"}, {2, "2"}, {9, "9"}, {10, "10"}, {11, "J"}, {12, "Q"}, {13, "K"}, {0, ""}, {14, ""}, {100, ""}, {-1, ""},
  };
  for (const auto& [rank, text] : cases) EXPECT_EQ(fnRankText(rank), text) << rank;
}

TEST(Card, ThreeDigitText) {
  EXPECT_EQ(fnCardText(0), "000");
  EXPECT_EQ(fnCardText(7), "007");
  EXPECT_EQ(fnCardText(104), "104");
  EXPECT_EQ(fnCardText(212), "212");
  for (int code = 0; code <= kCardCount; ++code) EXPECT_EQ(fnParseCardText(fnCardText(code)), code);

  for (const char* refused : {"", "07", "0007", "-01", "+07", " 07", "07 ", "0a7", "***"}) {
    EXPECT_EQ(fnParseCardText(refused), std::nullopt) << '"' << refused << '"';
  }
}

}  // namespace
}  // namespace tablerun
