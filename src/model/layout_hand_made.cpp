#include "model/layout_run.h"

namespace tablerun {
namespace {

constexpr int kStock = 0;
constexpr int kSecondWaste = 2;

// "051": sixteen piles in a square of four rows, the stock on its left, the
// second waste on its right; no waste and no foundations.
void fnPlaceSquare(TLayoutRun& run) {
  const int cw = run.cw;
  const int column = cw + 10;
  const int rowStep = run.ch + 10;
  int gap = 70;
  int x1 = (run.t - 4 * column) / 2;
  // A narrow table brings the stock and second waste closer to the square.
  if (x1 - cw - 80 < 0) {
    gap = 35;
    if (x1 <= cw + 44) {
      gap = 15;
      if (x1 <= cw + 24) x1 = cw + run.G + 15;
    }
  }
  for (int pile = 0; pile < run.n; ++pile) run.PlaceFila(pile, x1 + pile % 4 * column, run.block4 + pile / 4 * rowStep);
  const int y = run.block4 + rowStep + rowStep / 2;
  run.PlaceMazzo(kStock, x1 - cw - gap, y);
  run.PlaceMazzo(kSecondWaste, x1 + 3 * column + cw + gap, y);
}

}  // namespace

bool fnIsHandMadeVariant(int variant) { return variant >= 51 && variant <= 212 && variant != 102; }

// The other hand-made variants are laid out as a plain row ("001") until the
// games that use them arrive with their own arithmetic.
bool fnPlaceHandMade(TLayoutRun& run) {
  switch (run.tableau.variant) {
    case 51: fnPlaceSquare(run); return true;
    default: return false;
  }
}

}  // namespace tablerun
