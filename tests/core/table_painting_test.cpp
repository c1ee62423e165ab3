// The arithmetic of painting: depth of stacked piles, flight steps, the
// irregular-pile jitter, the marks of empty piles and complete foundations.
#include <gtest/gtest.h>

#include "engine/appearance/table_painting.h"
#include "support/play_table.h"

namespace tablerun::testing {
namespace {

TEST(TablePainting, PileDepthGrowsEverySevenCardsUpToItsMaximum) {
  struct TRow {
    int cards, maximum, depth;
  };
  for (const auto& [cards, maximum, depth] : std::initializer_list<TRow>{{0, kStockDepthMax, 0},
                                                                         {1, kStockDepthMax, 0},
                                                                         {2, kStockDepthMax, 1},
                                                                         {6, kStockDepthMax, 1},
                                                                         {7, kStockDepthMax, 2},
                                                                         {100, kStockDepthMax, 15},
                                                                         {13, kFoundationDepthMax, 2},
                                                                         {100, kFoundationDepthMax, 2}}) {
    EXPECT_EQ(fnPileDepth(cards, maximum), depth) << cards << " cards, at most " << maximum;
  }
}

TEST(TablePainting, FlightStepsLengthenWithTheDistance) {
  struct TRow {
    int distance;
    bool fast;
    int step;
  };
  for (const auto& [distance, fast, step] : std::initializer_list<TRow>{
           {100, false, 19}, {500, false, 48}, {100, true, 17}, {3, false, 1}, {1, false, 1}, {1, true, 1}}) {
    EXPECT_EQ(fnFlightStep(distance, fast), step) << distance << (fast ? " fast" : "");
  }
}

TEST(TablePainting, FlightEndsExactlyAtItsPlaceWithTheShorterAxisInProportion) {
  const std::vector<TPoint> path = fnFlightPath({0, 0}, {100, -50}, false);
  ASSERT_EQ(path.size(), 6u);
  EXPECT_EQ(path[0], (TPoint{19, -9}));
  EXPECT_EQ(path[3], (TPoint{76, -38}));
  // Along the longer axis the steps are whole; across it the share is rounded to a percent.
  EXPECT_EQ(fnFlightPath({0, 0}, {-40, 500}, false)[0], (TPoint{-4, 48}));
  EXPECT_EQ(path.back(), (TPoint{100, -50}));
  EXPECT_EQ(fnFlightPath({7, 7}, {7, 7}, true), (std::vector<TPoint>{{7, 7}}));
  // A one-pixel flight still arrives.
  EXPECT_EQ(fnFlightPath({0, 0}, {1, 0}, true), (std::vector<TPoint>{{1, 0}}));
}

TEST(TablePainting, JitterStaysSmallAndRepeatsItsRows) {
  std::mt19937_64 random(2002);
  const TJitterTable jitter(random);
  for (int pile = 0; pile < 40; ++pile) {
    EXPECT_EQ(jitter.Shift(pile, 0), 0);
    for (int position = 0; position < 30; ++position) {
      EXPECT_GE(jitter.Shift(pile, position), -1);
      EXPECT_LE(jitter.Shift(pile, position), 2);
    }
  }
  // Piles from the eighth on borrow the rows of the first six; cards above the
  // twelfth start the row again.
  EXPECT_EQ(jitter.Shift(7, 5), jitter.Shift(1, 5));
  EXPECT_EQ(jitter.Shift(12, 3), jitter.Shift(0, 3));
  EXPECT_EQ(jitter.Shift(2, 13), jitter.Shift(2, 1));
  std::mt19937_64 same(2002);
  EXPECT_EQ(TJitterTable(same).Shift(4, 9), jitter.Shift(4, 9));
}

TEST(TablePainting, EmptyPilesShowTheMarkTheirRulesChoose) {
  struct TRow {
    const char* rules;
    const char* piles;
    TPileRef pile;
    TEmptyMark mark;
  };
  using K = TEmptyMark::TKind;
  for (const auto& [rules, piles, pile, mark] : std::initializer_list<TRow>{
           {"family=8", "", kMazzo, {K::Picture, "021"}},
           {"redeal style=1 deals=3", "", kMazzo, {K::Mark, "StockUp"}},
           {"deals=3", "Mazzo_Vis: AC", kMazzo, {K::Mark, "StockStop"}},
           {"deals=3", "Mazzo_Vis: AC 2C", kMazzo, {K::Mark, "StockUp"}},
           {"deals=1", "Mazzo_Vis: AC 2C", kMazzo, {K::Mark, "StockStop"}},
           {"stock shown=1", "", kMazzoVis, {K::Mark, "StockVisible"}},
           {"deals=0", "", kMazzoVis, {K::Mark, "StockStop"}},
           {"deals=3 redeal style=0", "", kMazzoVis, {}},
           {"", "", kMazzoWaste, {K::Mark, "StockVisible"}},
           {"foundation base[2]=1", "", fnDest(1), {K::Mark, "FoundationA"}},
           {"foundation base=7", "", fnDest(0), {K::Mark, "Foundation7"}},
           {"foundation base=94", "", fnDest(0), {K::Background, ""}},
           {"foundation base=1 foundation build=10", "", fnDest(0), {K::Mark, "Foundation12"}},
           {"foundation base=50", "", fnDest(0), {K::Mark, "Foundation"}},
           {"tableau empty=13", "", fnFila(0), {K::Mark, "Foundation13"}},
           {"tableau empty[2]=77", "", fnFila(1), {K::Mark, "FirstTableauAll"}},
           {"", "", fnFila(2), {K::Mark, "Position"}},
           {"reserve accepts=9", "", fnAppogg(3), {K::Mark, "EmptyPositionJQK"}},
           {"reserve accepts[2]=4", "", fnAppogg(1), {K::Mark, "Position"}},
           {"reserve accepts[3]=107", "", fnAppogg(2), {K::Mark, "FoundationA"}},
           {"", "", fnAppogg(0), {K::Mark, "EmptyPosition"}},
       }) {
    TPlayTable t;
    t.Set(rules, piles);
    EXPECT_EQ(fnEmptyMark(t.state, pile, false), mark) << rules << " / " << piles << " / " << fnPileName(pile);
  }
}

TEST(TablePainting, AStockPressedForARedealShowsItPushedDown) {
  TPlayTable t;
  t.Set("deals=3", "Mazzo_Vis: AC 2C");
  t.state.mainGame.Set(entries::kStockPressed, 1);
  EXPECT_EQ(fnEmptyMark(t.state, kMazzo, false), (TEmptyMark{TEmptyMark::TKind::Mark, "StockDown"}));
  t.Set("deals=1", "Mazzo_Vis: AC 2C");
  t.state.mainGame.Set(entries::kStockPressed, 1);
  EXPECT_EQ(fnEmptyMark(t.state, kMazzo, false), (TEmptyMark{TEmptyMark::TKind::Mark, "StockStop"}));
}

TEST(TablePainting, TheGatheringStockShowsItsOwnPictureUntilTheDrawIsUsed) {
  TPlayTable t;
  t.Set("family=73", "");
  EXPECT_EQ(fnEmptyMark(t.state, kMazzo, false).kind, TEmptyMark::TKind::Picture);
  EXPECT_EQ(fnEmptyMark(t.state, kMazzo, true).kind, TEmptyMark::TKind::Mark);
}

TEST(TablePainting, FoundationIsCompleteAtItsOwnSizeOrTheGamesSize) {
  TPlayTable t;
  t.Set("foundation size=2 foundation size[2]=-1 foundation capacity=3",
        "Dest1: AH 2H | Dest2: AC 2C 3C | Dest3: AD 2D 3D");
  const TTableView view(t.state.table, t.state.rules, t.state.cards);
  EXPECT_TRUE(fnFoundationComplete(view, 0));
  EXPECT_TRUE(fnFoundationComplete(view, 1));
  EXPECT_FALSE(fnFoundationComplete(view, 3));
}

TEST(TablePainting, AScrollBarIsAllowedInGamesThatGrowDownwardWhenThePlayerAllowsIt) {
  struct TRow {
    const char* rules;
    const char* allowed;
    bool bar;
  };
  for (const auto& [rules, allowed, bar] : std::initializer_list<TRow>{{"cards=52 tableau arrangement=1", "Y", true},
                                                                       {"cards=52 tableau arrangement=8", "Y", true},
                                                                       {"cards=52 tableau arrangement=12", "Y", true},
                                                                       {"cards=52 reserve arrangement=13", "Y", true},
                                                                       {"cards=52 family=53", "Y", true},
                                                                       {"cards=52 tableau arrangement=2", "Y", false},
                                                                       {"cards=52 tableau arrangement=1", "N", false},
                                                                       {"tableau arrangement=1", "Y", false}}) {
    TPlayTable t;
    t.Set(rules, "");
    t.state.config.Write(cfg::kVertScrollBar, allowed);
    EXPECT_EQ(fnVerticalScrollBarAllowed(t.state), bar) << rules << ", bar allowed " << allowed;
  }
}

}  // namespace
}  // namespace tablerun::testing
