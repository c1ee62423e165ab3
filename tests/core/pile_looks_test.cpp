// Which piles show backs, lie flat, shift irregularly or stand out, as the
// rules and the player's choices say.
#include <gtest/gtest.h>

#include "engine/appearance/pile_looks.h"
#include "model/main_game_entries.h"
#include "support/game_state.h"
#include "support/play_table.h"

namespace tablerun::testing {
namespace {

TEST(PileLooks, EachPileOfTheStockGroupShowsBacksByItsOwnRule) {
  TPlayTable t;
  t.Set("stock face=1 second waste face down=1", "");
  EXPECT_TRUE(fnStockPileFaceDown(t.state.rules, 0));
  EXPECT_FALSE(fnStockPileFaceDown(t.state.rules, 1));
  EXPECT_TRUE(fnStockPileFaceDown(t.state.rules, 2));
}

TEST(PileLooks, FoundationsLieFlatInArrangementsTwoAndSeven) {
  for (const auto& [arrangement, flat] : std::initializer_list<std::pair<int, bool>>{
           {0, false}, {1, false}, {2, true}, {3, false}, {7, true}, {8, false}}) {
    TPlayTable t;
    t.Set("foundation arrangement=" + std::to_string(arrangement), "");
    EXPECT_EQ(fnFoundationsFlat(t.state.rules), flat) << "arrangement " << arrangement;
  }
}

TEST(PileLooks, TheTableauIsIrregularOnlyWhenFannedDownAndNotTurnedOff) {
  struct TRow {
    const char* irregular;
    int arrangement;
    bool shifted;
  };
  for (const auto& [irregular, arrangement, shifted] :
       std::initializer_list<TRow>{{"Y", 1, true}, {" ", 1, true}, {"N", 1, false}, {"Y", 2, false}, {"Y", 0, false}}) {
    TPlayTable t;
    t.Set("tableau arrangement=" + std::to_string(arrangement), "");
    t.state.config.Write(cfg::kIrregularPiles, irregular);
    EXPECT_EQ(fnIrregularTableau(t.state), shifted) << '"' << irregular << "\", arrangement " << arrangement;
  }
}

TEST(PileLooks, TheFoundationHighlightTakesItsStyleFromTheGameAndItsColourFromThePreferences) {
  TGameState game;
  EXPECT_EQ(fnFoundationHighlight(game.state), (TFoundationHighlight{0, 0}));
  game.state.mainGame.Set(entries::kHighlightStyle, 3);
  game.state.store->WriteInteger("Preference", "HighLights_Foundations_Color", 11);
  EXPECT_EQ(fnFoundationHighlight(game.state), (TFoundationHighlight{3, 11}));
  game.state.store.reset();
  EXPECT_EQ(fnFoundationHighlight(game.state), (TFoundationHighlight{3, 0}));
}

TEST(PileLooks, OnlyCompleteFoundationsStandOutAndOnlyInGamesThatHighlightThem) {
  TPlayTable t;
  t.Set("foundation size*2=-1",
        "Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH | Dest2: AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS");
  const TTableView view(t.state.table, t.state.rules, t.state.cards);
  EXPECT_FALSE(fnFoundationHighlighted(t.state, view, 0));
  t.state.mainGame.Set(entries::kHighlightStyle, 2);
  EXPECT_TRUE(fnFoundationHighlighted(t.state, view, 0));
  EXPECT_FALSE(fnFoundationHighlighted(t.state, view, 1));
}

}  // namespace
}  // namespace tablerun::testing
