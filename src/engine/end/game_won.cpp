#include "engine/end/game_won.h"

#include <algorithm>
#include <iterator>

#include "engine/end/score.h"
#include "engine/state/table_view.h"

namespace tablerun {
namespace {

// Families won by reaching the score of rule slot 53.
constexpr int kScoreFamilies[] = {34, 35, 36, 37, 39, 40, 42, 47};
// Families whose cleared tableau piles keep their gaps.
constexpr int kGapFamilies[] = {4, 67};

template <std::size_t N>
bool fnIsIn(int family, const int (&families)[N]) {
  return std::find(std::begin(families), std::end(families), family) != std::end(families);
}

bool fnOnlyGaps(const TTableView& view, TPileRef pile) {
  for (int at = 0; at < view.Count(pile); ++at) {
    if (view.CardAt(pile, at) != 0) return false;
  }
  return true;
}

bool fnTableCleared(const TTableView& view, bool gapsCount) {
  if (!view.StockAndWasteEmpty() || !view.AllReservesEmpty()) return false;
  for (int p = 0; p < view.TableauPiles(); ++p) {
    const TPileRef pile = fnFila(p);
    if (!(view.IsEmpty(pile) || (gapsCount && fnOnlyGaps(view, pile)))) return false;
  }
  return true;
}

}  // namespace

bool fnIsGameWon(const TTablerunState& state) {
  const TTableView view(state.table, state.rules, state.cards);
  const int family = view.Rule(rule::kFamily);
  if (fnIsIn(family, kScoreFamilies)) return fnScore(state) >= view.Rule(rule::kWinningScore);
  return fnTableCleared(view, fnIsIn(family, kGapFamilies));
}

}  // namespace tablerun
