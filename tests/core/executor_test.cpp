// Moves to piles through the executor: what each destination does to the
// piles, the sounds, the counters and the end-of-game hook.
#include "engine/executor/executor.h"

#include <gtest/gtest.h>

#include "support/play_table.h"

namespace tablerun {
namespace {

using testing::CardCode;
using testing::TPlayTable;

struct TMoveRow {
  const char* piles;
  const char* card;
  const char* operation;
  const char* pile;      // a pile to read afterwards
  const char* expected;  // its cards
  const char* source;    // the pile the card left
  const char* left;      // what stays there
};

TEST(Executor, MovesToEveryKindOfPile) {
  for (const auto& [piles, card, operation, pile, expected, source, left] : std::initializer_list<TMoveRow>{
           {"Fila1: #3C KS | Fila2: QH", "QH", "Fila1", "Fila1", "#3C KS QH", "Fila2", ""},
           {"Fila1: 9S | Fila2: #4C QH JC 10D", "QH", "Fila01", "Fila1", "9S QH JC 10D", "Fila2", "#4C"},
           {"Mazzo_Vis: 5H 6H", "6H", "Appogg2", "Appogg2", "6H", "Mazzo_Vis", "5H"},
           {"Dest1: AH | Fila3: 2C 2H", "2H", "Dest1", "Dest1", "AH 2H", "Fila3", "2C"},
           {"Dest1: AH | Appogg1: 2H", "2H", "Dest_Autoplay1", "Dest1", "AH 2H", "Appogg1", ""},
           {"Fila1: 7D 8S", "8S", "Stock02", "Mazzo_Vis", "8S", "Fila1", "7D"},
           {"Mazzo_Vis: 3D 4D", "4D", "Waste", "Mazzo_Waste", "4D", "Mazzo_Vis", "3D"},
           {"Mazzo_Waste: #9C", "9C", "Fila4", "Fila4", "9C", "Mazzo_Waste", ""},
       }) {
    TPlayTable t;
    t.Set("", piles);
    EXPECT_TRUE(t.Move(card, operation)) << operation << " on " << piles;
    EXPECT_EQ(t.Names(pile), expected) << operation << " on " << piles;
    EXPECT_EQ(t.Names(source), left) << operation << " on " << piles;
    EXPECT_EQ(t.executor.History().undo.Size(), 1);
    // The screen is told, so that it can fly the cards across.
    ASSERT_EQ(t.screen.moves.size(), 1u) << operation << " on " << piles;
    EXPECT_EQ(t.screen.moves[0].card, CardCode(card));
    EXPECT_EQ(t.screen.moves[0].from, fnParsePileName(source));
    EXPECT_EQ(t.screen.moves[0].to, fnParsePileName(pile));
  }
}

TEST(Executor, RefusesWhatItCannotDo) {
  TPlayTable t;
  t.Set("", "Fila1: 9S | Mazzo: 2C");
  for (const char* operation : {"Fila1", "Mazzo", "Selezionate_Dest", "Fila41", "Dest_Autoplay", "Add_Tableau_x"}) {
    EXPECT_FALSE(t.Move("9S", operation)) << operation;
  }
  // What no name says: onto the stock, onto no pile, a deal to no pile.
  for (const TOperation& operation : std::initializer_list<TOperation>{TPileMove{kMazzo}, TPileMove{fnFila(40)},
                                                                       TStockOperation{TStockAction::DealTableau}}) {
    EXPECT_FALSE(t.executor.ExecuteMove(CardCode("9S"), operation));
  }
  EXPECT_FALSE(t.Move("KD", "Fila2"));  // on no pile
  EXPECT_EQ(t.executor.History().undo.Size(), 0);
  EXPECT_EQ(t.state.mainGame.Get(entries::kMoveCounter), 0);
}

TEST(Executor, SoundsFollowTheirSwitches) {
  TPlayTable t;
  t.Set("", "Fila1: 9S | Fila2: 8H | Fila3: AH | Fila4: AS");
  t.state.config.Write(cfg::kSoundTableau, "Y");
  t.state.config.Write(cfg::kSoundFoundation, "N");
  t.state.config.Write(cfg::kSoundAutoplay, "Y");
  t.Move("8H", "Fila1");
  t.Move("AH", "Dest1");
  t.Move("AS", "Dest_Autoplay2");
  EXPECT_EQ(t.screen.sounds, (std::vector<std::string>{"Tableau", "Autoplay"}));
}

TEST(Executor, CountsMovesAndMakesTheGameCount) {
  TPlayTable t;
  t.Set("", "Fila1: 9S 8H 7S");
  for (const int after : {1, 2, 2}) {
    t.Move("7S", t.Names("Fila1").ends_with("7S") ? "Fila2" : "Fila1");
    EXPECT_EQ(t.state.mainGame.Get(entries::kMoveCounter), after);
  }
  EXPECT_EQ(t.state.mainGame.Get(entries::kStatisticsEligible), 1);

  TPlayTable demo;
  demo.Set("", "Fila1: 9S 8H");
  demo.state.mainGame.Set(entries::kTutorMode, 3);
  demo.Move("8H", "Fila2");
  EXPECT_EQ(demo.state.mainGame.Get(entries::kStatisticsEligible), 0);  // the demo played before the player
  demo.state.mainGame.Set(entries::kTutorMode, 0);
  demo.Move("8H", "Fila3");
  EXPECT_EQ(demo.state.mainGame.Get(entries::kStatisticsEligible), 1);
}

TEST(Executor, FirstMoveOpensTheFillPhase) {
  TPlayTable t;
  t.Set("fill phase=1", "Fila1: 9S 8H | Fila3: 5D | Mazzo: KC QC JC");
  EXPECT_TRUE(t.Move("8H", "Fila3"));
  EXPECT_EQ(t.Names("Fila2"), "JC");
  EXPECT_EQ(t.Names("Fila4"), "QC");
  EXPECT_EQ(t.Names("Fila5"), "KC");
  // One undo takes the move back with the fill.
  EXPECT_TRUE(t.executor.UndoMove());
  EXPECT_EQ(t.Names("Mazzo"), "KC QC JC");
  EXPECT_EQ(t.Names("Fila1"), "9S 8H");
}

TEST(Executor, TableauCardsGoOnlyToFoundationsBeforeTheFirstMove) {
  TPlayTable t;
  t.Set("tableau to foundation only=1 foundation base*4=1 foundation direction*4=1", "Fila1: 9S AH | Fila2: 10D");
  EXPECT_FALSE(t.Move("9S", "Fila2"));
  EXPECT_TRUE(t.Move("AH", "Dest1"));
  EXPECT_TRUE(t.Move("9S", "Fila2"));
}

TEST(Executor, SortedFoundationsKeepCodeOrder) {
  TPlayTable t;
  t.Set("sort foundations=1", "Dest1: 5H 2H | Fila1: 3H");
  t.Move("3H", "Dest1");
  EXPECT_EQ(t.Names("Dest1"), "2H 3H 5H");
}

TEST(Executor, AsksTheEndOfGameTestAfterFoundationMoves) {
  TPlayTable t;
  t.Set("", "Fila1: AH");
  int asked = 0;
  t.executor.SetEndOfGameHooks({[&] {
                                  ++asked;
                                  return t.state.table.Pile(fnFila(0)).empty();
                                },
                                {}});
  EXPECT_TRUE(t.Move("AH", "Dest1"));
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(t.state.runtime.Flag(TRuntimeFlag::GameJustWon));
}

TEST(Executor, EveryNewMoveClearsRedo) {
  TPlayTable t;
  t.Set("", "Fila1: 9S 8H");
  t.Move("8H", "Fila2");
  t.executor.UndoMove();
  EXPECT_EQ(t.executor.History().redo.Size(), 1);
  t.Move("8H", "Fila3");
  EXPECT_EQ(t.executor.History().redo.Size(), 0);
  EXPECT_TRUE(t.executor.History().redoLog.Empty());
}

}  // namespace
}  // namespace tablerun
