// The standard score: five points a card on the foundations, counted from
// minus the cards in play.
#include <gtest/gtest.h>

#include "engine/end/score.h"
#include "support/game_state.h"

namespace tablerun::testing {
namespace {

TEST(ScoreTest, StandardScoreByCardsOnTheFoundationsAndDeck) {
  struct TCase {
    int cardsInPlay;
    int stripped;
    int onFoundations;
    const char* kind;
    int score;
  };
  for (const TCase& c : {TCase{52, 0, 0, "01", -52}, TCase{52, 0, 10, "01", -2}, TCase{52, 0, 52, "01", 208},
                         TCase{32, 2, 0, "01", -28}, TCase{104, 1, 0, "01", -64}, TCase{52, 0, 10, "02", 0}}) {
    TGameState game;
    game.SetRules({{rule::kCards, c.cardsInPlay}, {rule::kStrippedDeck, c.stripped}, {rule::kFoundations, 4}});
    game.state.config.Write(cfg::kScoreKind, c.kind);
    std::string foundation;
    for (int card = 1; card <= c.onFoundations; ++card) foundation += fnZeroFill(card, 3);
    game.state.table.SetPile({TPileGroup::Dest, 0}, foundation);
    fnUpdateScore(game.state);
    EXPECT_EQ(fnStoredScore(game.state), c.score) << c.cardsInPlay << " " << c.onFoundations;
    EXPECT_EQ(game.screen.score, c.score);
  }
}

}  // namespace
}  // namespace tablerun::testing
