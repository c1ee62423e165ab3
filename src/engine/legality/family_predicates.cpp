#include "engine/legality/family_predicates.h"

#include <utility>

#include "engine/legality/card_steps.h"
#include "engine/legality/move_legality.h"
#include "model/rule_slots.h"

namespace tablerun {

namespace {

// The top card of the first started foundation of the two; 0 when neither is.
int FirstStartedTop(const TTableView& view, int first, int second) {
  if (!view.IsEmpty(fnDest(first))) return view.Top(fnDest(first));
  return view.Top(fnDest(second));
}

}  // namespace

bool fnParallelFoundationAccepts(const TTableView& view, int card, int i, bool opensAtBaseRank) {
  const TPileRef own = fnDest(i);
  const int suit = fnCardSuit(card);
  if (!view.IsEmpty(own)) {
    if (suit != fnCardSuit(view.Bottom(own))) return false;
  } else if (opensAtBaseRank) {
    if (fnCardRank(card) != view.Rule(rule::kFoundationBase + i)) return false;
  } else if (i > 0) {
    const TPileRef before = fnDest(i - 1);
    if (view.IsEmpty(before) || fnSameColour(view.Bottom(before), card)) return false;
    for (int f = 0; f <= 3; ++f) {
      if (!view.IsEmpty(fnDest(f)) && fnCardSuit(view.Bottom(fnDest(f))) == suit) return false;
    }
  }
  if (i == 0) return true;
  const TPileRef before = fnDest(i - 1);
  for (int p = 0; p < view.Count(before); ++p) {
    if (fnCardRank(view.CardAt(before, p)) == fnCardRank(card)) return true;
  }
  return false;
}

bool fnRowEndAccepts(const TTableView& view, int card, int i, int rank) {
  if (fnLocatedInTableau(view.LocateCard(card))) return false;
  const auto empty = [&](int p) { return view.IsEmpty(fnFila(p)); };
  if (fnCardRank(card) == rank) {
    for (int p = 0; p < i; ++p) {
      if (empty(p)) return false;
    }
    return empty(i);
  }
  if (empty(i)) return false;
  if (i == 0) return empty(1);
  return !empty(i - 1) && (i == 7 || empty(i + 1));
}

bool fnCornerFoundationAccepts(const TTableView& view, int card, int i) {
  const bool aces = i <= 1;
  const int ownPair = aces ? FirstStartedTop(view, 0, 1) : FirstStartedTop(view, 2, 3);
  if (ownPair > 0 && !fnSameColour(ownPair, card)) return false;
  const int otherPair = aces ? 2 : 0;
  for (int f = otherPair; f <= otherPair + 1; ++f) {
    if (!view.IsEmpty(fnDest(f)) && fnSameColour(view.Top(fnDest(f)), card)) return false;
  }
  return FoundationSuitsDistinct(view, 0, 1, 2, 3, -1, card) && fnCardRank(card) == (aces ? kAce : kKing);
}

bool fnPartnerAccepts(const TTableView& view, int card, int target, int i) {
  const int rank = fnCardRank(card);
  if (rank == kAce || rank == kQueen) return false;
  if (rank != kJack && rank != kKing) return fnSameSuit(target, card) && fnIsDown(target, card);
  if (rank != view.Rule(rule::kFoundationBase + i) || !view.IsEmpty(fnDest(i))) return false;
  const int partnerRank = rank == kJack ? kAce : kQueen;
  const auto isPartner = [&](int top) { return top > 0 && fnCardRank(top) == partnerRank && fnSameSuit(top, card); };
  if (isPartner(view.Top(kMazzoVis))) return true;
  for (int p = 0; p < view.TableauPiles(); ++p) {
    if (isPartner(view.Top(fnFila(p)))) return true;
  }
  return false;
}

bool fnOutsideCardFillsEmpty(const TTableView& view, int card, int i) {
  return view.IsEmpty(fnFila(i)) && !fnLocatedInTableau(view.LocateCard(card));
}

bool fnReserveIsFree(const TTableView& view, int reserve) {
  if (reserve < 0) return false;
  if (reserve >= 10) return true;  // outside both rows
  const int last = reserve < 5 ? 4 : 9;
  for (int r = reserve + 1; r <= last; ++r) {
    if (!view.IsEmpty(fnAppogg(r))) return false;
  }
  return true;
}

bool fnInnerGridIsFree(const TTableView& view, int p) {
  const int cell = p - 14;
  if (cell < 0 || cell > 11) return false;
  const int row = cell / 4;
  const int column = cell % 4;
  const auto empty = [&](int border) { return view.IsEmpty(fnFila(border)); };
  return empty(column) || empty(10 - column) || empty(4 + row) || empty(13 - row);
}

bool fnGridStepAccepts(const TTableView& view, const TMoveContext& context, int i) {
  if (i < 0 || i > 24 || !view.IsEmpty(fnFila(i))) return false;
  if (!view.AnyTableauHolds(0, view.TableauPiles() - 1)) return true;
  const int last = context.familyValue;
  if (last < 0 || last > 24) return true;
  const int row = last / 5;
  const int column = last % 5;
  bool neighbourFree = false;
  bool isNeighbour = false;
  for (const auto& [step, inside] :
       {std::pair{1, column < 4}, std::pair{-1, column > 0}, std::pair{5, row < 4}, std::pair{-5, row > 0}}) {
    if (!inside || !view.IsEmpty(fnFila(last + step))) continue;
    neighbourFree = true;
    isNeighbour = isNeighbour || last + step == i;
  }
  return !neighbourFree || isNeighbour;
}

bool fnRowReleases(const TTableView& view, int p) {
  const int rows = view.Rule(rule::kReleaseRows);
  const int width = view.Rule(rule::kReleaseRowPiles);
  const int piles = rows * width;
  if (rows < 1 || width < 1 || p < 0 || p >= piles) return true;
  for (int below = p + width; below < piles; below += width) {
    if (!view.IsEmpty(fnFila(below))) return false;
  }
  return true;
}

bool fnTableauMoveReleases(const TTableView& view, const TMoveContext& context) {
  return context.tableauMovesLogged % 20 == 0 || view.IsEmpty(kMazzoVis);
}

}  // namespace tablerun
