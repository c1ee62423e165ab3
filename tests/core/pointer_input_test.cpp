// Pointer input on a dealt FreeCell and Klondike table: what a press, a drag,
// a release and the click moves do to the piles.
#include <gtest/gtest.h>

#include "engine/history/table_state_lines.h"
#include "engine/pointer/hit_test.h"
#include "support/played_game.h"

namespace tablerun::testing {
namespace {

constexpr int kFreeCell = 1;
constexpr int kKlondike = 0;
// FreeCell deal 1: the Ace of hearts lies on top of tableau pile 8, the three of diamonds on pile 1.
constexpr const char* kAceOfHearts = "001";

struct TPoint {
  int x, y;
};

TPoint Inside(const TRect& rect) { return {rect.left + 1, rect.top + 1}; }

class PointerInputTest : public ::testing::Test {
 protected:
  TPlayedGame game{kFreeCell, "1"};
  TPointerInput& pointer = game.session.pointer;
  TPileGeometry Geometry() const { return fnPileGeometry(game.state); }
  TPoint TopCard(TPileRef pile) const {
    return Inside(Geometry().CardRect(pile, static_cast<int>(game.state.table.Pile(pile).size() / 3) - 1));
  }
  void Drag(TPoint from, TPoint to) {
    pointer.MouseDown(TMouseButton::Left, false, from.x, from.y);
    pointer.MouseMove(to.x, to.y);
    pointer.MouseUp(TMouseButton::Left, to.x, to.y);
  }
};

TEST_F(PointerInputTest, PressAndReleaseInPlaceChangesNothing) {
  const TSnapshot before = fnTakeSnapshot(game.state.table, game.state.cards);
  const int steps = game.session.executor.History().undo.Size();
  const TPoint ace = TopCard(fnFila(7));
  pointer.MouseDown(TMouseButton::Left, false, ace.x, ace.y);
  EXPECT_EQ(pointer.Picture().card, 1);
  pointer.MouseUp(TMouseButton::Left, ace.x, ace.y);
  EXPECT_EQ(fnTakeSnapshot(game.state.table, game.state.cards), before);
  EXPECT_EQ(game.session.executor.History().undo.Size(), steps);
  EXPECT_EQ(pointer.Picture().card, 0);
}

TEST_F(PointerInputTest, CandidatesComeByOverlapAndARefusalFallsBackToTheNext) {
  const TRect cell1 = Geometry().TopRect(fnAppogg(0));
  const TRect cell2 = Geometry().TopRect(fnAppogg(1));
  // Just right of halfway between the two free cells: the second is covered more.
  const TRect between = cell2.Moved(-(cell2.left - cell1.left) / 2 + 5, 0);
  const std::vector<TPileRef> candidates = fnFindDropCandidates(Geometry(), between);
  ASSERT_EQ(candidates.size(), 2u);
  EXPECT_EQ(candidates[0], fnAppogg(1));
  EXPECT_EQ(candidates[1], fnAppogg(0));

  // With the second free cell taken, the ace dropped there lands in the first.
  Drag(TopCard(fnFila(0)), Inside(cell2));
  ASSERT_EQ(game.Pile(fnAppogg(1)), "016");
  const TPoint ace = TopCard(fnFila(7));
  Drag(ace, {ace.x + between.left - Geometry().TopRect(fnFila(7)).left,
             ace.y + between.top - Geometry().TopRect(fnFila(7)).top});
  EXPECT_EQ(game.Pile(fnAppogg(0)), kAceOfHearts);
}

TEST_F(PointerInputTest, DoubleClickFollowsTheTwoPreferences) {
  struct TCase {
    const char* toFoundations;
    const char* toTableau;
    TPileRef aceEndsOn;
  };
  // Reserves take click moves whenever the tableau may be a destination.
  for (const TCase& c : {TCase{"Y", "N", fnDest(0)}, TCase{"N", "Y", fnAppogg(0)}, TCase{"N", "N", fnFila(7)}}) {
    TPlayedGame fresh(kFreeCell, "1");
    fresh.state.config.Write(cfg::kDoubleToFoundations, c.toFoundations);
    fresh.state.config.Write(cfg::kDoubleToTableau, c.toTableau);
    const TRect top = fnPileGeometry(fresh.state).CardRect(fnFila(7), 5);
    TPointerInput& input = fresh.session.pointer;
    input.MouseDown(TMouseButton::Left, false, top.left + 1, top.top + 1);
    input.MouseUp(TMouseButton::Left, top.left + 1, top.top + 1);
    input.DblClick(top.left + 1, top.top + 1);
    input.MouseUp(TMouseButton::Left, top.left + 1, top.top + 1);
    const std::string pile = fresh.Pile(c.aceEndsOn);
    EXPECT_EQ(pile.substr(pile.size() - 3), kAceOfHearts) << c.toFoundations << c.toTableau;
  }
}

TEST(PointerInputStockTest, DoubleClickOnTheStockTurnsItTwice) {
  TPlayedGame game(kKlondike, "1");
  game.state.config.Write(cfg::kDoubleToFoundations, "Y");
  const TRect stock = fnPileGeometry(game.state).CardRect(kMazzo, 0);
  TPointerInput& pointer = game.session.pointer;
  pointer.MouseDown(TMouseButton::Left, false, stock.left + 1, stock.top + 1);
  pointer.MouseUp(TMouseButton::Left, stock.left + 1, stock.top + 1);
  pointer.DblClick(stock.left + 1, stock.top + 1);
  pointer.MouseUp(TMouseButton::Left, stock.left + 1, stock.top + 1);
  EXPECT_EQ(game.Pile(kMazzoVis).size(), 2u * 3);
  EXPECT_EQ(game.Pile(kMazzo).size(), 22u * 3);
}

TEST_F(PointerInputTest, ClickClickSelectsThenMovesToTheSecondClick) {
  game.state.mainGame.Set(entries::kClickClick, 1);
  const TPoint ace = TopCard(fnFila(7));
  const TPoint foundation = Inside(Geometry().TopRect(fnDest(0)));
  // A second click on the selected card lets it go.
  pointer.MouseDown(TMouseButton::Left, false, ace.x, ace.y);
  pointer.MouseUp(TMouseButton::Left, ace.x, ace.y);
  EXPECT_EQ(pointer.Picture().selectedCard, 1);
  pointer.MouseDown(TMouseButton::Left, false, ace.x, ace.y);
  pointer.MouseUp(TMouseButton::Left, ace.x, ace.y);
  EXPECT_EQ(pointer.Picture().selectedCard, 0);
  // Selected again, then the empty foundation clicked.
  pointer.MouseDown(TMouseButton::Left, false, ace.x, ace.y);
  pointer.MouseUp(TMouseButton::Left, ace.x, ace.y);
  pointer.MouseDown(TMouseButton::Left, false, foundation.x, foundation.y);
  pointer.MouseUp(TMouseButton::Left, foundation.x, foundation.y);
  EXPECT_EQ(game.Pile(fnDest(0)), kAceOfHearts);
  EXPECT_EQ(pointer.Picture().selectedCard, 0);
}

TEST_F(PointerInputTest, CtrlRightClickOnTheBareTableOpensThePlayAreaMenuWhenAllowed) {
  // Far below the piles nothing lies; a card there would be revealed instead.
  const TPoint bare{5, 700};
  ASSERT_FALSE(fnHitTest(Geometry(), bare.x, bare.y, false).pile);
  game.state.config.Write(cfg::kMainPopupMenu, "Y");
  pointer.MouseDown(TMouseButton::Right, true, bare.x, bare.y);
  pointer.MouseUp(TMouseButton::Right, bare.x, bare.y);
  ASSERT_EQ(game.screen.popups.size(), 1u);
  EXPECT_EQ(game.screen.popups[0], std::make_pair(bare.x, bare.y));

  const TPoint ace = TopCard(fnFila(7));
  pointer.MouseDown(TMouseButton::Right, true, ace.x, ace.y);
  pointer.MouseUp(TMouseButton::Right, ace.x, ace.y);
  game.state.config.Write(cfg::kMainPopupMenu, "N");
  pointer.MouseDown(TMouseButton::Right, true, bare.x, bare.y);
  pointer.MouseUp(TMouseButton::Right, bare.x, bare.y);
  EXPECT_EQ(game.screen.popups.size(), 1u);
}

TEST_F(PointerInputTest, BusyRefusesThePressWithABeep) {
  game.state.runtime.SetFlag(TRuntimeFlag::Busy, true);
  const TPoint ace = TopCard(fnFila(7));
  pointer.MouseDown(TMouseButton::Left, false, ace.x, ace.y);
  EXPECT_EQ(pointer.Picture().card, 0);
  EXPECT_EQ(game.screen.beeps, 1);
}

}  // namespace
}  // namespace tablerun::testing
