#include "model/table.h"

#include <gtest/gtest.h>

#include "support/table_text.h"

namespace tablerun {
namespace {

using testing::LayPiles;
using testing::PileText;

class TableTest : public ::testing::Test {
 protected:
  TableTest() { rules.Set(rule::kTableauPiles, 7); }

  TCardStatusTable cards;
  TGameRules rules;
  TTable table{cards, rules};
};

TEST_F(TableTest, TopCardByName) {
  LayPiles(table, "Fila1: 013 026 | Dest2: 001 | Mazzo: 005 | Mazzo_Vis: 006 | Mazzo_Waste: 007 | Appogg3: 040 000");
  const std::pair<const char*, int> cases[] = {
      {"Fila1", 26},  {"Fila01", 26},   {"Dest2", 1},
      {"Mazzo", 5},   {"Mazzo_Vis", 6}, {"Mazzo_Waste", 7},
      {"Appogg3", 0},  // a hole on top
      {"Fila2", 0},   {"Fila41", 0},    {"Selezionate_Dest", 0},
  };
  for (const auto& [name, code] : cases) EXPECT_EQ(table.fnTopCard(name), code) << name;
}

TEST_F(TableTest, SetPileTakesOnlyPileLists) {
  EXPECT_TRUE(table.SetPile({TPileGroup::Fila, 39}, "012000208"));
  EXPECT_TRUE(table.SetPile({TPileGroup::Fila, 39}, ""));
  for (const char* refused : {"01", "0120", "0a2", "213", "-01"}) {
    EXPECT_FALSE(table.SetPile(kMazzo, refused)) << refused;
  }
  EXPECT_FALSE(table.SetPile({TPileGroup::Fila, 40}, "012"));
  EXPECT_FALSE(table.SetPile({TPileGroup::Dest, -1}, "012"));
  EXPECT_EQ(table.Pile(kMazzo), "");
  EXPECT_EQ(table.Pile({TPileGroup::Appogg, 12}), "");
}

TEST_F(TableTest, AddCardAppendsAndMayTurnIt) {
  EXPECT_TRUE(table.fnAddCardToPile("Fila07", 13));
  EXPECT_TRUE(table.fnAddCardToPile("Fila7", 104, TCardFace::Down));
  EXPECT_TRUE(table.fnAddCardToPile("Dest16", 1));
  EXPECT_TRUE(table.fnAddCardToPile("Appogg12", 212));
  EXPECT_TRUE(table.fnAddCardToPile("Mazzo_Vis", 0));
  EXPECT_EQ(PileText(table, "Fila7"), "013 104");
  EXPECT_EQ(PileText(table, "Dest16"), "001");
  EXPECT_EQ(PileText(table, "Appogg12"), "212");
  EXPECT_EQ(PileText(table, "Mazzo_Vis"), "000");
  EXPECT_FALSE(cards.fnIsCardFaceDown(13));
  EXPECT_TRUE(cards.fnIsCardFaceDown(104));

  for (const char* refused : {"Mazzo", "Mazzo_Waste", "Fila41", "Selezionate_Dest", ""}) {
    EXPECT_FALSE(table.fnAddCardToPile(refused, 5)) << refused;
  }
  EXPECT_FALSE(table.fnAddCardToPile("Fila1", 213));
  EXPECT_FALSE(table.fnAddCardToPile("Fila1", -1));
  EXPECT_EQ(table.Pile(kMazzo), "");
  EXPECT_EQ(table.Pile({TPileGroup::Fila, 0}), "");
}

TEST_F(TableTest, FindCardInPile) {
  struct TCase {
    const char* before;
    int code;
    TFindOp op;
    bool found;
    const char* after;
  };
  const TCase cases[] = {
      {"012 000 038", 38, TFindOp::Report, true, "012 000 038"},
      {"012 000 038", 38, TFindOp::RemoveWithHoleBelow, true, "012"},
      {"012 000 038", 12, TFindOp::LeaveHole, true, "000 000 038"},
      {"012 000 038", 12, TFindOp::Remove, true, "000 038"},
      // With the bottom card gone, the new bottom card is the one looked at.
      {"012 000 038", 12, TFindOp::RemoveWithHoleBelow, true, "038"},
      {"012 000 038", 7, TFindOp::Remove, false, "012 000 038"},
      {"012 038", 38, TFindOp::RemoveWithHoleBelow, true, "012"},
      {"000 012 038", 12, TFindOp::RemoveWithHoleBelow, true, "038"},
      {"012", 12, TFindOp::RemoveWithHoleBelow, true, ""},
      {"038 012 038", 38, TFindOp::LeaveHole, true, "000 012 038"},  // the lowest copy
      {"101 010", 10, TFindOp::LeaveHole, true, "101 000"},
      {"101 011", 10, TFindOp::Remove, false, "101 011"},  // "010" straddles two codes
      {"", 12, TFindOp::Remove, false, ""},
  };
  for (const TCase& c : cases) {
    LayPiles(table, std::string("Fila3: ") + c.before);
    EXPECT_EQ(table.fnFindCardInPile({TPileGroup::Fila, 2}, c.code, c.op), c.found) << c.before << " / " << c.code;
    EXPECT_EQ(PileText(table, "Fila3"), c.after) << c.before << " / " << c.code;
  }
  EXPECT_FALSE(table.fnFindCardInPile({TPileGroup::Fila, 40}, 12, TFindOp::Report));
}

TEST_F(TableTest, FindCardSearchesInAFixedOrder) {
  LayPiles(table,
           "Appogg1: 005 | Mazzo_Waste: 005 | Mazzo: 005 | Dest1: 005 | Fila2: 005 | Mazzo_Vis: 005 | Fila8: 005");
  for (const int kind : {kKindMazzoVis, kKindFila, kKindDest, kKindMazzo, kKindSecondWaste, kKindAppogg}) {
    EXPECT_EQ(table.fnFindAndRemove(5), kind);
  }
  EXPECT_EQ(table.fnFindAndRemove(5), -1);  // Fila8 lies beyond the piles in use
  EXPECT_EQ(PileText(table, "Fila8"), "005");
}

TEST_F(TableTest, FindCardActsOnlyOnTheFirstPileFound) {
  LayPiles(table, "Mazzo_Vis: 020 | Fila1: 020 | Mazzo_Waste: 030 | Appogg12: 040 041");
  EXPECT_EQ(table.fnFindCard(20, TFindOp::Report), kKindMazzoVis);
  EXPECT_EQ(table.fnFindAndLeaveHole(20), kKindMazzoVis);
  EXPECT_EQ(PileText(table, "Mazzo_Vis"), "000");
  EXPECT_EQ(PileText(table, "Fila1"), "020");
  EXPECT_EQ(table.fnFindCard(30, TFindOp::Report), kKindSecondWaste);
  EXPECT_EQ(table.fnFindAndLeaveHole(40), kKindAppogg);
  EXPECT_EQ(PileText(table, "Appogg12"), "000 041");
  EXPECT_EQ(table.fnFindCard(99, TFindOp::Remove), -1);
}

TEST_F(TableTest, TopOfTableauCountsOnlyThePilesInUse) {
  LayPiles(table, "Fila1: 013 026 | Fila2: 033 000 | Fila7: 040 | Fila8: 050 | Dest1: 060");
  EXPECT_TRUE(table.fnIsTopOfTableau(26));
  EXPECT_TRUE(table.fnIsTopOfTableau(40));
  for (const int code : {13, 33, 50, 60, 0}) EXPECT_FALSE(table.fnIsTopOfTableau(code)) << code;
  rules.Set(rule::kTableauPiles, 8);
  EXPECT_TRUE(table.fnIsTopOfTableau(50));
  rules.Set(rule::kTableauPiles, 99);  // more than the group holds
  EXPECT_TRUE(table.fnIsTopOfTableau(50));
}

TEST_F(TableTest, SnapshotRestoresEveryGroup) {
  LayPiles(table, "Mazzo: 001 002 | Mazzo_Waste: 003 | Dest16: 004 | Fila40: 005 000 | Appogg12: 006");
  table.SaveSnapshot();
  table.fnFindAndRemove(1);
  table.fnAddCardToPile("Fila1", 7);
  table.RestoreSnapshot();
  const std::pair<const char*, const char*> expected[] = {
      {"Mazzo", "001 002"},  {"Mazzo_Waste", "003"}, {"Dest16", "004"},
      {"Fila40", "005 000"}, {"Appogg12", "006"},    {"Fila1", ""},
  };
  for (const auto& [name, text] : expected) EXPECT_EQ(PileText(table, name), text) << name;

  table.Clear();
  EXPECT_EQ(PileText(table, "Mazzo"), "");
  table.RestoreSnapshot();  // the snapshot outlives a restore
  EXPECT_EQ(PileText(table, "Mazzo"), "001 002");
}

}  // namespace
}  // namespace tablerun
