#include <algorithm>

#include "model/layout_run.h"

namespace tablerun {
namespace {

// A row of piles from x1, each gap to the right of its neighbour; the first
// `wideGaps` gaps are 15 pixels instead.
void fnPlaceRow(TLayoutRun& run, int x1, int gap, int wideGaps = 0) {
  int x = run.fixedX1.value_or(x1);
  for (int pile = 0; pile < run.n; ++pile) {
    if (pile > 0) x += run.cw + (pile <= wideGaps ? 15 : gap);
    run.PlaceFilaX(pile, x);
  }
}

// n / rows, with rows and the result taken as 1 when they are 0 (a game
// without the rows slot, or with more rows than piles).
int fnPilesPerRow(const TLayoutRun& run) {
  return std::max(run.n / std::max<int>(run.rules.Get(rule::kTableauRows), 1), 1);
}

// The piles wrapped every fnPilesPerRow, from firstY down the rows of a centred block.
void fnPlaceWrappedRows(TLayoutRun& run, int x1, int gap, int firstY) {
  const int perRow = fnPilesPerRow(run);
  const int x = run.fixedX1.value_or(x1);
  for (int pile = 0; pile < run.n; ++pile)
    run.PlaceFila(pile, x + pile % perRow * (run.cw + gap), firstY + pile / perRow * (run.ch + 10));
}

// "001", "014", "015", and hand-made variants not written yet: one centred row.
void fnPlaceCentredRow(TLayoutRun& run, int variant) {
  const int n = run.n;
  const bool stock004 = run.stock.variant == 4 || run.secondWaste.variant == 4;
  int s = std::clamp((run.t - n * run.cw) / (n + 1), 4, 20);  // n + 1 ≥ 1: counts are never negative
  if (n > 8) s = std::min(s, 14);
  if (variant == 1 && stock004) s = std::max(s, 15);
  int x1 = (run.t - n * run.cw - (n - 1) * s) / 2;
  if (x1 < run.G) {
    if (variant != 1) {
      // One pile has no gaps to shrink; its divisor is taken as 1.
      const int gaps = n == 1 ? 1 : n - 1;
      // The shortfall spread over the gaps, rounded up: trunc(shortfall / gaps + 0.99).
      s -= (100 * (run.G - x1) + 99 * gaps) / (100 * gaps);
      s = std::clamp(s, 4, 20);
    }
    x1 = run.G;
    if (variant != 1 && run.metrics.screenWidth < 650) {
      if (variant == 15 && n == 10) {
        x1 = 15;
        s = 3;
      } else if (run.h == 8 || n == 10) {
        x1 = run.G - 2;
      }
    }
  }
  run.s = s;
  // The stock and waste stand on the first piles and need room for their depth.
  const bool wideFirstGaps = variant != 1 && stock004 && s < 15 && run.k > 0;
  fnPlaceRow(run, x1, s, wideFirstGaps ? run.k - 1 : 0);
}

// "003", "012" (a = 1, b = 2), "011", "021" (a = 2, b = 1): room for a stock
// columns and b side gaps left of the tableau.
void fnPlaceRowRightOfStock(TLayoutRun& run, int variant) {
  const int a = variant == 11 || variant == 21 ? 2 : 1;
  const int b = 3 - a;
  if (a == 1 && run.smallScreen && run.e > 10) {
    run.e = 10;
    run.G = 15;
  }
  const int n = run.n;
  const int cw = run.cw;
  const int e = run.e;
  int s = (run.t - (n + a) * cw - b * e - 15 * a) / (n + 4);  // n + 4 ≥ 4 likewise
  if (s < 4)
    s = 4;
  else if (s > 20)
    s = 15;
  if (variant == 21) s = 4;
  int x = (run.t - 15 * a - b * e - (n + a) * cw - n * s) / 2;
  if (run.h < 8 || (run.h == 8 && a == 1))
    x = std::max(x, run.G);
  else
    x = std::max(x, run.smallScreen ? -4 : 1);
  run.s = s;
  fnPlaceRow(run, x + a * (cw + 15) + b * e + (variant == 11 || variant == 12 ? e : 0), s);
}

// Hand-made variants not written yet keep their games playable as one row.
int fnGenericVariant(int variant) { return fnIsHandMadeVariant(variant) ? 1 : variant; }

}  // namespace

void fnPlaceTableau(TLayoutRun& run) {
  const int y = run.Row(run.tableau.kind);
  for (int pile = 0; pile < run.n; ++pile) run.game.SetFilaY(pile, fnToEntry(y));
  const int cw = run.cw;
  switch (const int variant = fnGenericVariant(run.tableau.variant)) {
    case 1:
    case 14:
    case 15: fnPlaceCentredRow(run, variant); break;
    case 2:
      run.s = run.WideTable() ? 10 : 5;
      fnPlaceRow(run, std::max((run.t - run.n * cw - (run.n - 1) * run.s) / 2, run.G), run.s);
      break;
    case 3:
    case 11:
    case 12:
    case 21: fnPlaceRowRightOfStock(run, variant); break;
    case 13: {
      const int depth = run.metrics.shadowDepth != 0 ? run.metrics.shadowDepth : 9;
      run.s = 4;
      fnPlaceRow(run, run.smallScreen ? 8 : 2 * depth + 30, run.s);
      break;
    }
    case 18: {
      const int perRow = fnPilesPerRow(run);
      run.s = std::max((run.t - perRow * cw - 2) / (perRow + 1), cw * 3 / 2);  // perRow ≥ 1
      const int kind = std::clamp(run.tableau.kind, 1, 7);
      const int firstY = kind <= 4 ? run.block4 + (kind - 1) * (run.ch + 10) : run.block3 + (kind - 5) * (run.ch + 10);
      fnPlaceWrappedRows(run, run.smallScreen ? 15 : run.G + 10, run.s, firstY);
      break;
    }
    case 10:
      // With more than one row the rows follow the three-row block, as "018" does.
      run.s = cw * 85 / 100;
      fnPlaceWrappedRows(run, 15, run.s, run.block3);
      break;
    default: break;  // "020" waits for the foundations; other variants give the Y only
  }
}

void fnCentreTableauUnderFoundations(TLayoutRun& run) {
  if (run.tableau.variant != 20) return;
  const int first = run.game.DestX(0);
  const int last = run.game.DestX(run.h - 1);
  const int n = run.n;
  fnPlaceRow(run, first + (last + run.cw - first - n * run.cw - 10 * n + 10) / 2, 10);
}

}  // namespace tablerun
