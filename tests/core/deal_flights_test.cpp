// The animated deal: the order its cards fly in and where the deck stands.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/appearance/deal_flights.h"
#include "support/play_table.h"

namespace tablerun::testing {
namespace {

std::vector<std::string> DealtNames(const TPlayTable& t) {
  std::vector<std::string> names;
  const TTableView view(t.state.table, t.state.rules, t.state.cards);
  for (const TDealtCard& dealt : fnDealOrder(view))
    names.push_back(CardName(view.CardAt(dealt.pile, dealt.position), t.state.cards));
  return names;
}

TEST(DealFlights, ReservesComeFirstThenTheTableauRowByRowOrPileAfterPile) {
  const char* piles = "Fila1: AH 2H 3H | Fila2: AS | Fila3: AD 2D | Appogg1: KC QC | Appogg2: JC";
  TPlayTable rows;
  rows.Set("tableau piles=3 reserves=2", piles);
  EXPECT_EQ(DealtNames(rows), (std::vector<std::string>{"KC", "QC", "JC", "AH", "AS", "AD", "2H", "2D", "3H"}));
  TPlayTable pileAfterPile;
  pileAfterPile.Set("tableau piles=3 reserves=2 pile deal and max score=1", piles);
  EXPECT_EQ(DealtNames(pileAfterPile),
            (std::vector<std::string>{"KC", "QC", "JC", "AH", "2H", "3H", "AS", "AD", "2D"}));
}

// Puts the first card of `pile` at (x, y).
void Place(TMainGame& game, TPileRef pile, TPoint at) {
  const auto x = static_cast<int16_t>(at.x), y = static_cast<int16_t>(at.y);
  switch (pile.group) {
    case TPileGroup::Mazzo:
      game.SetMazzoX(pile.entry, x);
      game.SetMazzoY(pile.entry, y);
      return;
    case TPileGroup::Dest:
      game.SetDestX(pile.entry, x);
      game.SetDestY(pile.entry, y);
      return;
    case TPileGroup::Appogg:
      game.SetAppoggX(pile.entry, x);
      game.SetAppoggY(pile.entry, y);
      return;
    case TPileGroup::Fila:
      game.SetFilaX(pile.entry, x);
      game.SetFilaY(pile.entry, y);
      return;
  }
}

TEST(DealFlights, TheDeckStandsOnTheFirstPileOnTheTableThatCanHoldIt) {
  const TPileRef fila = fnFila(0), dest = fnDest(0), reserve = fnAppogg(0);
  const std::pair<TPileRef, TPoint> homes[] = {{kMazzo, {10, 20}},       {kMazzoVis, {110, 20}}, {reserve, {210, 20}},
                                               {kMazzoWaste, {310, 20}}, {dest, {410, 20}},      {fila, {510, 200}}};
  struct TRow {
    const char* rules;
    const char* piles;
    std::vector<TPileRef> placed;
    TPoint origin;
  };
  for (const auto& [rules, piles, placed, origin] :
       std::initializer_list<TRow>{{"", "Mazzo: #KS", {kMazzo, kMazzoVis, dest, fila}, {10, 20}},
                                   {"", "Mazzo_Vis: KS", {kMazzo, kMazzoVis, fila}, {110, 20}},
                                   {"", "", {kMazzo, kMazzoVis}, {10, 20}},
                                   {"", "Appogg1: KS", {reserve, kMazzoWaste, fila}, {210, 20}},
                                   {"", "Appogg1: KS QS", {reserve, kMazzoWaste, fila}, {310, 20}},
                                   {"", "", {dest, fila}, {410, 20}},
                                   {"family=3", "", {fila}, {510, 200}},
                                   // These families hold the deck off the table, left of it.
                                   {"family=46", "", {fila}, {-78, 0}},
                                   {"family=74", "", {fila}, {-78, 0}}}) {
    TPlayTable t;
    t.Set(rules, piles);
    for (const auto& [pile, home] : homes) {
      if (std::find(placed.begin(), placed.end(), pile) != placed.end()) Place(t.state.mainGame, pile, home);
    }
    const TPileGeometry geometry(TTableView(t.state.table, t.state.rules, t.state.cards), t.state.mainGame, 71, 96);
    EXPECT_EQ(fnDealOrigin(geometry), origin) << rules << " | " << piles << " | " << placed.size() << " piles placed";
  }
}

}  // namespace
}  // namespace tablerun::testing
