#include <algorithm>
#include <utility>

#include "model/layout_run.h"

namespace tablerun {
namespace {

// The kind digit is the first digit of its slot; a negative slot reads as 0.
int fnFirstDigit(int value) {
  if (value < 0) return 0;
  while (value >= 10) value /= 10;
  return value;
}

TLayoutCode fnCode(const TGameRules& rules, TRuleSlot kindSlot, TRuleSlot variantSlot) {
  return {fnFirstDigit(rules.Get(kindSlot)), rules.Get(variantSlot)};
}

// Counts beyond the groups would only address piles that do not exist, and
// with no negative counts none of the (n + 1), (n + 4) or (h + 1) divisors
// below can be 0.
int fnCount(const TGameRules& rules, TRuleSlot slot, int most) { return std::clamp<int>(rules.Get(slot), 0, most); }

}  // namespace

TLayoutRun::TLayoutRun(const TGameRules& gameRules, const TLayoutMetrics& layoutMetrics, TMainGame& mainGame,
                       std::optional<int> fixedFirstX)
    : rules(gameRules),
      metrics(layoutMetrics),
      game(mainGame),
      fixedX1(fixedFirstX),
      cw(layoutMetrics.CardWidth()),
      ch(layoutMetrics.CardHeight()),
      n(fnCount(gameRules, rule::kTableauPiles, 40)),
      h(fnCount(gameRules, rule::kFoundations, 16)),
      r(fnCount(gameRules, rule::kReserves, 12)),
      k(fnCount(gameRules, rule::kStockPiles, 3)),
      stock(fnCode(gameRules, rule::kStockLayoutKind, rule::kStockLayoutVariant)),
      foundation(fnCode(gameRules, rule::kFoundationLayoutKind, rule::kFoundationLayoutVariant)),
      tableau(fnCode(gameRules, rule::kTableauLayoutKind, rule::kTableauLayoutVariant)),
      reserve(fnCode(gameRules, rule::kReserveLayoutKind, rule::kReserveLayoutVariant)),
      secondWaste(fnCode(gameRules, rule::kSecondWasteLayoutKind, rule::kSecondWasteLayoutVariant)),
      stockShown(gameRules.Get(rule::kStockShown) == 1),
      stockTurns(gameRules.Get(rule::kStockTurnsToWaste) == 1),
      smallScreen(layoutMetrics.screenHeight < 500) {
  const int top = metrics.top;
  const int windowHeight = metrics.windowHeight;
  const bool lowWindow = windowHeight <= 499;
  m = lowWindow ? 5 : 10;
  width = metrics.tableWidth - (lowWindow ? 10 : 0);
  t = width - 2;
  e = smallScreen && h > 4 && k > 1 ? 5 : 15;

  row[1] = top + m + (stock.kind == 1 ? 15 : 0);
  row[2] = row[1] + m + ch + (stock.kind == 2 || stock.variant == 3 ? 15 : 0);
  row[3] = row[2] + m + ch;
  row[4] = row[3] + m + ch;
  // A window taller than 0.8 of the screen puts the bottom row at its own bottom.
  bottomRow = (5 * windowHeight > 4 * metrics.screenHeight ? windowHeight : metrics.screenHeight) -
              metrics.frameHeight - ch - 5;
  middleRow = row[2] + (row[3] - row[2]) / 2;
  if (tableau.variant == 15) {
    row[1] = top + 15;
    row[2] = top + 20 + ch;
    row[3] = top + 25 + 2 * ch;
  }
  row[0] = row[1];
  block3 = std::max(top + (metrics.tableHeight - top - 3 * ch - 20) / 2, top + 2);
  block4 = std::max(top + (metrics.tableHeight - top - 4 * ch - 30) / 2, top + 2);

  G = WideTable() ? 5 : 3;
  if (k > 0) {
    // Room for the stock's depth and shadow left of its neighbour.
    G += metrics.shadowDepth;
    if (fnIsOneOf(stock.variant, {3, 4, 5, 16, 19}) || secondWaste.variant == 4) G += 15;
  }
}

void fnSetPileSpacing(const TLayoutRun& run) {
  TMainGame& game = run.game;
  game.Set(entries::kRowSpacing, fnToEntry(run.ch));
  game.Set(entries::kColumnSpacing, fnToEntry(run.cw));
  // A tableau fanned downwards may grow until the next row that holds piles.
  const int kind = run.tableau.kind;
  if (run.rules.Get(rule::kTableauArrangement) != 1 || kind < 1 || kind > 3) return;
  int next = 5;
  for (const auto& [code, count] : {std::pair{run.stock, run.k}, {run.foundation, run.h}, {run.reserve, run.r}}) {
    if (count > 0 && code.kind > kind && code.kind <= 4) next = std::min(next, code.kind);
  }
  const int room = next <= 4 ? run.row[next] - run.row[kind] : run.metrics.windowHeight - run.row[kind];
  game.Set(entries::kRowSpacing, fnToEntry(room));
}

int TLayoutRun::Row(int kind) const {
  if (kind == 5) return bottomRow;
  if (kind == 6) return middleRow;
  return kind >= 0 && kind <= 4 ? row[kind] : row[1];
}

void TLayoutRun::PlaceFila(int pile, int x, int y) {
  game.SetFilaX(pile, fnToEntry(x));
  game.SetFilaY(pile, fnToEntry(y));
}

void TLayoutRun::PlaceMazzo(int pile, int x, int y) {
  game.SetMazzoX(pile, fnToEntry(x));
  game.SetMazzoY(pile, fnToEntry(y));
}

}  // namespace tablerun
