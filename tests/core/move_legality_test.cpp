#include "engine/legality/move_legality.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/file_system.h"
#include "engine/state/tablerun_state.h"
#include "support/legality_table.h"

namespace tablerun {
namespace {

using testing::CardCode;
using testing::ExpectPlacements;
using testing::TLegalityTable;

TEST(MoveLegality, OnlyPilesOfTheGameAreDestinations) {
  TLegalityTable t;
  t.SetRules("tableau build*8=2 tableau empty*8=-1 foundation build*4=12 reserve accepts*4=0");
  t.Lay("Mazzo_Vis: 5H | Fila8: 6S");
  for (const char* name : {"Fila1", "Fila01", "Fila08", "Dest1", "Dest04", "Appogg4"}) {
    EXPECT_TRUE(t.Can("5H", name)) << name;
  }
  for (const char* name :
       {"Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Fila00", "Fila41", "Fila9", "Dest05", "Dest17", "Appogg5", "Appogg13",
        "Fila001", "Fila1x", "fila1", "", "Selezionate_Dest", "Dest_Autoplay1", "Mazzo_Redeal", "\xff\xfe"}) {
    EXPECT_FALSE(t.Can("5H", name)) << name;
  }
  const TMoveLegality legality = t.Legality();
  for (const int card : {0, -1, 213, 999}) EXPECT_FALSE(legality.CanPlace(card, "Fila1")) << card;
  EXPECT_FALSE(legality.CanPlaceOnFoundation(16, CardCode("5H")));
  EXPECT_FALSE(legality.CanPlaceOnTableau(-1, CardCode("5H")));
  EXPECT_FALSE(legality.CanPlaceOnReserve(12, CardCode("5H")));
}

TEST(MoveLegality, TableauChecksBeforeAndAfterTheBuild) {
  ExpectPlacements({
      {"Fila1: #9S | Fila2: 8H", "tableau build=3", "8H", "Fila1", false},  // a face-down top card
      {"Fila1: #9S | Fila2: 8H", "tableau build=3 family=40", "8H", "Fila1", true},
      {"Fila1: KS QH | Fila2: JC", "tableau build=3 tableau capacity=2", "JC", "Fila1", false},  // full
      {"Fila1: KS QH | Fila2: JC", "tableau build=3 tableau capacity=3", "JC", "Fila1", true},
      {"Fila1: 9S 8H 7S", "tableau build=2 tableau direction=2", "7S", "Fila1", false},  // a card on itself
      {"Fila1: 9S 8H 7S", "tableau build=2 tableau direction=2", "8H", "Fila1", false},  // a group on its own top card
      {"Fila1: 9S | Fila2: 8H 7S", "tableau build*2=3", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H 7H", "tableau build*2=3 group rule=1", "8H", "Fila1", false},  // the group is no run
      {"Fila1: 9S | Fila2: 8H 7H", "tableau build*2=3", "8H", "Fila1", true},                // ... and need not be
  });
}

TEST(MoveLegality, FoundationsTakeSingleCardsUpToTheirCapacity) {
  const char* full = "Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH | Fila1: AH'";
  ExpectPlacements({
      {"Fila1: AH 2S", "foundation base=1 foundation direction=1", "AH", "Dest1",
       false},  // a group never goes to a foundation
      {"Fila1: 2S AH", "foundation base=1 foundation direction=1", "AH", "Dest1", true},
      {full, "foundation base=1 foundation direction=1 foundation build=2", "AH'", "Dest1", false},
      {full, "foundation build=20", "AH'", "Dest1", true},  // uncapped
      {full, "foundation capacity=52 foundation build=20", "AH'", "Dest1", true},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH AH' 2H' 3H' 4H' 5H' 6H' 7H' 8H' 9H' 10H' JH' QH' KH' "
       "AD 2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD AD' 2D' 3D' 4D' 5D' 6D' 7D' 8D' 9D' 10D' JD' QD' KD' | Fila1: AC",
       "foundation build=20", "AC", "Dest1", false},  // ... up to 52 cards
  });
}

TEST(MoveLegality, TableauCardsGoOnlyToFoundationsBeforeTheFirstMove) {
  TLegalityTable t;
  t.SetRules("tableau to foundation only=1 foundation base*4=1 foundation direction*4=1 tableau empty*8=-1");
  t.Lay("Fila1: AH | Mazzo_Vis: 2C");
  EXPECT_TRUE(t.Can("AH", "Dest1"));
  EXPECT_FALSE(t.Can("AH", "Fila2"));
  EXPECT_FALSE(t.Can("AH", "Appogg1"));
  EXPECT_TRUE(t.Can("2C", "Fila2"));  // the waste is not held back
  t.context.moveCounter = 1;
  EXPECT_TRUE(t.Can("AH", "Fila2"));
  EXPECT_TRUE(t.Can("AH", "Appogg1"));
}

TEST(MoveLegality, StockFirstRules) {
  ExpectPlacements({
      // 1: tableau cards reach the foundations only once stock and waste are empty.
      {"Fila1: AH | Mazzo: 5C", "stock first=1 foundation base=1", "AH", "Dest1", false},
      {"Fila1: AH", "stock first=1 foundation base=1", "AH", "Dest1", true},
      {"Fila1: 9S | Fila2: 8S | Mazzo: 5C", "stock first=1", "8S", "Fila1", true},
      {"Mazzo_Vis: AH | Mazzo: 5C", "stock first=1 foundation base=1", "AH", "Dest1", true},
      // 2 and 3: tableau cards wait for any destination; the waste card goes to one pile.
      {"Fila1: 9S | Fila2: 8S | Mazzo_Vis: 5C", "stock first=2", "8S", "Fila1", false},
      {"Fila2: 8S", "stock first=2 tableau empty*8=-1", "8S", "Fila1", true},
      {"Mazzo_Vis: 5C 6C 7C", "stock first=2 waste deal=4 tableau empty*8=-1", "7C", "Fila2", true},  // 4 − 3 = pile 1
      {"Mazzo_Vis: 5C 6C 7C", "stock first=2 waste deal=4 tableau empty*8=-1", "7C", "Fila1", false},
      {"Mazzo_Vis: 5C 6C 7C", "stock first=2 waste deal=1 tableau piles=12 tableau empty*12=-1", "7C", "Fila11",
       true},  // 1 − 3 wraps to 10
      {"Mazzo_Vis: 5C 6C 7C", "stock first=2 waste deal=1 tableau piles=12 tableau empty*12=-1", "7C", "Fila1", false},
      {"Mazzo_Vis: 5C 6C", "stock first=2 waste deal=1 tableau piles=12 tableau empty*12=-1", "5C", "Fila12",
       false},                                                                     // only the top card
      {"Mazzo_Vis: 7C", "stock first=3 tableau empty*8=-1", "7C", "Fila1", true},  // every pile empty: pile 0
      {"Mazzo_Vis: 7C", "stock first=3 tableau empty*8=-1", "7C", "Fila2", false},
      {"Mazzo_Vis: 7C | Fila1: 9S 8H | Fila3: 2C 3C | Fila4: 4C", "stock first=3 tableau empty*8=-1", "7C", "Fila4",
       true},
      {"Mazzo_Vis: 7C | Fila1: 9S 8H | Fila3: 2C 3C | Fila4: 4C", "stock first=3 tableau empty*8=-1", "7C", "Fila2",
       false},
      {"Mazzo_Vis: 7C | Fila8: 9S 8H", "stock first=3 tableau empty*8=-1", "7C", "Fila1",
       true},  // counted round the piles
  });
}

TEST(MoveLegality, FoundationSetRules) {
  ExpectPlacements({
      {"Dest2: AS | Fila1: AH", "foundation set rule=1 foundation base*4=1", "AH", "Dest1", true},
      {"Dest2: AS | Fila1: AS'", "foundation set rule=1 foundation base*4=1", "AS'", "Dest1", false},
      {"Dest2: AS 2S | Fila1: AH", "foundation set rule=1 foundation base*4=1", "AH", "Dest3", true},
      // Started with a red class: the next foundation takes the other, the one after the first again.
      {"Dest1: AH | Fila1: AS", "foundation set rule=2 foundation base*4=1", "AS", "Dest2", true},
      {"Dest1: AH | Fila1: AD", "foundation set rule=2 foundation base*4=1", "AD", "Dest2", false},
      {"Dest1: AH | Fila1: AD", "foundation set rule=2 foundation base*4=1", "AD", "Dest3", true},
      {"Dest1: AH | Fila1: AS", "foundation set rule=2 foundation base*4=1", "AS", "Dest3", false},
      {"Dest3: AH | Fila1: AS", "foundation set rule=2 foundation base*4=1", "AS", "Dest1",
       false},  // filled backwards too
      {"Fila1: AS", "foundation set rule=2 foundation base*4=1", "AS", "Dest3", true},
  });
}

TEST(MoveLegality, FoundationSetsDirectly) {
  TLegalityTable t;
  t.Lay("Dest1: AH | Dest2: AS | Dest5: 2C");
  const TMoveLegality legality = t.Legality();
  const TTableView& view = legality.View();
  EXPECT_TRUE(FoundationSuitsDistinct(view, 0, 1, 2, 3, 2, CardCode("AD")));
  EXPECT_FALSE(FoundationSuitsDistinct(view, 0, 1, 2, 3, 2, CardCode("AH'")));
  EXPECT_TRUE(FoundationSuitsDistinct(view, 0, 1, 2, 3, 0, CardCode("2H")));    // the card stands in for foundation 0
  EXPECT_FALSE(FoundationSuitsDistinct(view, 0, 1, 2, 3, -1, CardCode("2H")));  // ... or counts extra
  EXPECT_TRUE(FoundationSuitsDistinct(view, 4, 5, 6, 7, 5, CardCode("2D")));
  EXPECT_FALSE(FoundationSuitsDistinct(view, 4, 5, 6, 7, 5, CardCode("2C'")));
  EXPECT_TRUE(FoundationColoursAlternate(view, CardCode("AD"), 2));
  EXPECT_FALSE(FoundationColoursAlternate(view, CardCode("AD"), 4));  // foundations beyond the game's
}

TEST(MoveLegality, WhatMayLeaveAPile) {
  struct TRow {
    const char* slots;
    const char* card;
    bool leaves;
  };
  for (const auto& [slots, card, leaves] :
       std::initializer_list<TRow>{{"", "10D", true},
                                   {"", "QH", true},
                                   {"", "KS", false},  // face down
                                   {"", "9S", false},
                                   {"group limit=2", "QH", false},  // not a run; too many
                                   {"", "5C", true},
                                   {"", "4C", false},
                                   {"waste face down=1", "5C", false},
                                   {"", "6C", false},
                                   {"foundation take back=0", "2H", false},
                                   {"foundation take back=1", "2H", true},
                                   {"foundation take back=1", "AH", false},
                                   {"foundation take back=2", "2H", true},
                                   {"foundation take back=3", "2H", false},
                                   {"", "8C", true},
                                   {"", "7C", false},
                                   {"reserve lift rule=-11", "7C", true}}) {
    TLegalityTable row;
    row.SetRules(
        "group rule=1 tableau build*8=3 foundation take back=1 group limit=-1 reserve lift rule=0 waste face down=0");
    row.SetRules(slots);
    row.Lay("Fila1: #KS QH JC 10D | Fila2: 9S 9H | Mazzo_Vis: 4C 5C | Mazzo: #6C | Dest1: AH 2H | Appogg1: 7C 8C");
    EXPECT_EQ(row.Legality().CanLeave(CardCode(card)), leaves) << card << " with " << slots;
  }
}

TEST(MoveLegality, TheDrawExplainsItself) {
  TLegalityTable t;
  t.SetRules("group limit=-17");
  t.Lay("Fila1: 9S 8H 7S");
  t.context.redealRound = 2;
  EXPECT_TRUE(t.Legality().GroupFitsLimit(CardCode("7S"), false));
  EXPECT_FALSE(t.Legality().GroupFitsLimit(CardCode("8H"), false));
  t.context.redealRound = 3;
  t.context.familyValue = 1;  // the Draw was used
  EXPECT_FALSE(t.Legality().CanLeave(CardCode("8H")));
  t.context.familyValue = 0;
  EXPECT_FALSE(t.Legality().GroupFitsLimit(CardCode("8H"), false));  // the Draw itself is pointer input's
  t.context.tutorMode = 1;
  EXPECT_FALSE(t.Legality().GroupFitsLimit(CardCode("9S"), false));
  ASSERT_EQ(t.screen.messages.size(), 2u);
  EXPECT_EQ(t.screen.messages[0].text, "The Draw is allowed after the last Redeal.");
  EXPECT_EQ(t.screen.messages[1].text, "Only one Draw is permitted.");
}

TEST(MoveLegality, BuildingWaitsForTheStockAndSaysSo) {
  TLegalityTable t;
  t.SetRules("tableau build=129");
  t.Lay("Fila1: 9S | Fila2: 8S | Mazzo: 2C");
  EXPECT_TRUE(t.Legality().TableauWaitsForStock());
  EXPECT_FALSE(t.Can("8S", "Fila1"));
  t.Legality().ExplainTableauWaitsForStock();
  ASSERT_EQ(t.screen.messages.size(), 1u);
  EXPECT_EQ(t.screen.messages[0].text, "Building on the tableau is allowed only when the stock is empty.");
  EXPECT_EQ(t.screen.messages[0].kind, TMessageKind::Information);
  t.context.tutorMode = 3;  // the demo is not told
  t.Legality().ExplainTableauWaitsForStock();
  EXPECT_EQ(t.screen.messages.size(), 1u);
  t.Lay("Mazzo:");
  EXPECT_FALSE(t.Legality().TableauWaitsForStock());
  EXPECT_TRUE(t.Can("8S", "Fila1"));
}

TEST(MoveLegality, ACardWithoutASuitInABalancedGroup) {
  TLegalityTable t;
  t.SetRules("foundation base*4=1 foundation build=29");
  t.Lay("Fila1: JK1 | Fila2: 5C");
  EXPECT_FALSE(t.Can("JK1", "Dest1"));
  ASSERT_EQ(t.screen.messages.size(), 1u);
  EXPECT_EQ(t.screen.messages[0].text, "Error suit - 1");
  EXPECT_TRUE(t.Can("5C", "Dest1"));  // the base is no letter: any rank, only the balance counts
}

TEST(MoveLegality, TheProgramStateExplainsOnItsScreen) {
  TPosixFileSystem fs;
  testing::TRecordingScreen screen;
  TTablerunState state(fs, screen);
  state.rules.Set(rule::kTableauPiles, 8);
  state.rules.Set(rule::kGroupLimit, -17);
  testing::LayPiles(state.table, "Fila1: 048 047");
  state.mainGame.Set(entries::kRedealRound, 1);
  state.mainGame.Set(entries::kMoveCounter, 2);
  state.mainGame.Set(entries::kGroupTop, 47);
  state.mainGame.Set(entries::kTutorMode, 0);
  state.mainGame.Set(entries::kFamilyScratch, 1);
  const TMoveContext context = fnMoveContext(state.mainGame, false);
  EXPECT_FALSE(context.singleCard);
  EXPECT_EQ(context.redealRound, 1);
  EXPECT_EQ(context.moveCounter, 2);
  EXPECT_EQ(context.draggedTopCard, 47);
  EXPECT_EQ(context.familyValue, 1);
  EXPECT_FALSE(TMoveLegality(state, context).GroupFitsLimit(48, false));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text, "The Draw is allowed after the last Redeal.");
}

// Whatever the codes say, and however odd the slots around them (a grid of no
// columns, a waste counter below the waste, rows of negative width), every
// question gets an answer and no card goes on the pile it tops.
TEST(MoveLegality, EveryCodeAnswersAndNoCardGoesOnItself) {
  const char* positions[] = {
      "Fila1: 9S 8H | Fila2: KD | Dest1: AH 2H | Dest9: 5S | Appogg1: 5C | Mazzo_Vis: 3D 4S | Mazzo: #7C",
      "Fila1: JK1 | Dest2: JK2 KH | Fila15: QS | Fila20: -- 4H | Appogg6: 2S",
  };
  const int emptyRules[] = {-1, 0, 13, 'Q', 'R', 'T', 'U', 'V', 'W', 'X', 'Z', '[', '\\', ']', '`', 91};
  for (int code = -2; code <= 150; ++code) {
    for (const char* position : positions) {
      TLegalityTable t;
      const std::string empty = std::to_string(emptyRules[static_cast<std::size_t>(code + 2) % std::size(emptyRules)]);
      const std::string codes = std::to_string(code);
      t.SetRules(
          "foundations=16 tableau piles=26 reserves=12 grid row width=0 stock first=2 waste deal=0 group limit=-5 "
          "group rule=1 release rows=3 release row piles=-4 foundation base[5]=7 family=23 foundation direction*16=2 "
          "tableau direction*26=2 tableau wrap*26=2 "
          "foundation base*16=" +
          empty + " tableau empty*26=" + empty + " foundation build*16=" + codes + " tableau build*26=" + codes +
          " reserve accepts*12=" + codes);
      t.Lay(position);
      t.context.familyValue = 30;
      t.context.stockTurns = -5;
      const TMoveLegality legality = t.Legality();
      const TTableView& view = legality.View();
      std::vector<TPileRef> piles{kMazzoVis};
      for (int f = 0; f < 16; ++f) piles.push_back(fnDest(f));
      for (int p = 0; p < 26; ++p) piles.push_back(fnFila(p));
      for (int r = 0; r < 12; ++r) piles.push_back(fnAppogg(r));
      for (const TPileRef from : piles) {
        const int top = view.Top(from);
        if (top == 0) continue;
        for (const TPileRef to : piles) legality.CanPlace(top, to);
        EXPECT_FALSE(legality.CanPlace(top, from)) << "code " << code << ", " << fnPileName(from);
        legality.CanLeave(top);
      }
    }
  }
}

TEST(MoveLegality, LocateCard) {
  TLegalityTable t;
  t.SetRules("tableau piles=3 reserves=2");
  t.Lay(
      "Mazzo: 2C | Mazzo_Vis: 3C | Dest16: 4C | Fila3: 5C | Fila4: 6C | Appogg2: 7C | Appogg3: 8C | "
      "Mazzo_Waste: 9C");
  const TMoveLegality legality = t.Legality();
  const std::pair<const char*, int> cases[] = {{"2C", -99}, {"3C", -98}, {"4C", -16}, {"5C", 3},
                                               {"6C", 0},   {"7C", -22}, {"8C", 0},   {"9C", 0}};
  for (const auto& [card, where] : cases) EXPECT_EQ(legality.LocateCard(CardCode(card)), where) << card;
}

}  // namespace
}  // namespace tablerun
