#include <algorithm>

#include "model/layout_run.h"

namespace tablerun {
namespace {

constexpr int kStock = 0;
constexpr int kWaste = 1;
constexpr int kSecondWaste = 2;

// Piles from x1 to the right, each step beyond its left neighbour.
template <typename Place>
void fnSpread(int count, int x1, int step, Place place) {
  for (int pile = 0; pile < count; ++pile) place(pile, x1 + pile * step);
}

// Each pile at the X of a tableau pile, the first at firstPile's.
template <typename Place>
void fnOverTableau(const TLayoutRun& run, int count, int firstPile, Place place) {
  for (int pile = 0; pile < count; ++pile) place(pile, run.game.FilaX(firstPile + pile));
}

}  // namespace

void fnPlaceStockGroup(TLayoutRun& run) {
  if (run.k == 0) return;
  const int y = run.Row(run.stock.kind);
  run.game.SetMazzoY(kStock, fnToEntry(y));
  const auto place = [&run, y](int pile, int x) { run.PlaceMazzo(pile, x, y); };
  const int cw = run.cw;
  const int e = run.e;
  const int x1 = run.game.FilaX(0);
  switch (run.stock.variant) {
    case 3: {
      const int x = x1 - cw - 2 * e;
      place(kStock, x);
      if (run.stockTurns) run.PlaceMazzo(kWaste, x, run.row[2]);
      break;
    }
    case 4:
      if (run.stockShown && run.stockTurns) {
        place(kStock, x1);
        place(kWaste, run.game.FilaX(1));
      } else if (run.stockTurns) {
        place(kWaste, x1);
      } else if (run.stockShown) {
        place(kStock, x1);
      }
      break;
    case 5: fnSpread(run.k, run.G, run.G + cw, place); break;
    case 11: {
      const int waste = x1 - cw - 3 * e;
      place(kWaste, waste);
      place(kStock, waste - cw - e);
      break;
    }
    case 13: {
      int depth = run.metrics.shadowDepth > 1 ? run.metrics.shadowDepth / 2 : run.metrics.shadowDepth;
      if (run.smallScreen && run.h == 8 && run.k > 1) depth = -3;
      place(kStock, depth + 15);
      if (run.k > 1) place(kWaste, depth + 15 + cw + 15);
      break;
    }
    case 16:
    case 19: place(run.stockShown ? kStock : kWaste, x1 - cw - (run.stock.variant == 16 ? 2 : 4) * e); break;
    case 21: {
      const int waste = x1 - cw - e;
      const int q = !run.smallScreen || run.h < 5 ? 5 : 0;
      place(kWaste, waste);
      place(kStock, waste - cw - q - 15);
      break;
    }
    case 23:
      if (run.stockShown && run.stockTurns) {
        place(kStock, x1);
        place(kWaste, x1 + cw + 18);
      }
      break;
    default: break;  // the stock's Y only: no stock on the table
  }
}

void fnPlaceFoundations(TLayoutRun& run) {
  const int h = run.h;
  const int n = run.n;
  const int cw = run.cw;
  const int y = run.Row(run.foundation.kind);
  for (int pile = 0; pile < h; ++pile) run.game.SetDestY(pile, fnToEntry(y));
  const auto place = [&run](int pile, int x) { run.PlaceDestX(pile, x); };
  // The last foundation at xh, the others step apart to its left.
  const auto leftOf = [&](int xh, int step) { fnSpread(h, xh - (h - 1) * step, step, place); };
  const auto overTableau = [&](int firstPile) { fnOverTableau(run, h, firstPile, place); };
  run.f = std::max(run.s / 3, 4);
  switch (run.foundation.variant) {
    case 1:
      run.f = std::max((run.t - h * cw - 2) / (h + 1), 1);  // h + 1 ≥ 1: counts are never negative
      fnSpread(h, run.f, cw + run.f, place);
      break;
    case 2:
      run.f = std::max(run.s / 2, 4);
      fnSpread(h, (run.t - h * cw - (h - 1) * run.f) / 2, cw + run.f, place);
      break;
    case 7: overTableau(n - h); break;
    case 8: leftOf(run.t - cw - run.G - 5, run.G + cw); break;
    case 9: leftOf(run.game.FilaX(n - 1), run.f + cw); break;
    case 13:
      if (run.smallScreen)
        leftOf(run.game.FilaX(n - 1), cw + 2);
      else
        overTableau(n - h);
      break;
    case 17: {
      const int u = run.smallScreen ? 3 : 4;
      const int q = !run.smallScreen ? 17 : run.h == 8 && run.k > 1 ? 4 : 7;
      const int after = run.game.MazzoX(run.stockTurns ? kWaste : kStock);
      fnSpread(h, after + cw + q, cw + u, place);
      break;
    }
    case 22: overTableau(0); break;
    default: break;  // the Y only
  }
}

void fnPlaceReserves(TLayoutRun& run) {
  const int r = run.r;
  if (r == 0) return;
  const int cw = run.cw;
  const int y = run.Row(run.reserve.kind);
  for (int pile = 0; pile < r; ++pile) run.game.SetAppoggY(pile, fnToEntry(y));
  const auto place = [&run](int pile, int x) { run.PlaceAppoggX(pile, x); };
  const auto overTableau = [&](int firstPile) { fnOverTableau(run, r, firstPile, place); };
  const int x1 = run.game.FilaX(0);
  switch (run.reserve.variant) {
    case 4: overTableau(0); break;
    case 5: fnSpread(r, run.G, run.G + cw, place); break;
    case 6: fnSpread(r, x1, run.f + cw, place); break;
    case 7: overTableau(run.n - r); break;
    case 11: place(0, run.game.MazzoX(kWaste)); break;
    case 12: place(0, x1 - cw - (run.n > 7 ? 3 * run.e / 2 : 3 * run.e)); break;
    case 23: place(0, run.game.MazzoX(kStock)); break;
    default: break;  // the Y only
  }
}

void fnPlaceSecondWaste(TLayoutRun& run) {
  if (run.rules.Get(rule::kSecondWastePlaced) <= 0) return;
  const int kind = run.secondWaste.kind;
  switch (run.secondWaste.variant) {
    case 6: run.PlaceMazzo(kSecondWaste, run.game.FilaX(1), run.Row(kind)); break;
    case 7: run.PlaceMazzo(kSecondWaste, run.game.FilaX(run.n - 1), run.Row(kind)); break;
    case 16: run.PlaceMazzo(kSecondWaste, run.game.MazzoX(kStock), run.Row(kind - 1) + run.ch + 20); break;
    default: break;
  }
}

}  // namespace tablerun
