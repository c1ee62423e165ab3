// The longer rows of CheckBuild's switch: build codes that learn from the
// table, feed piles row by row, or share suits between foundations.
#include <initializer_list>
#include <set>

#include "engine/legality/build_case.h"
#include "engine/legality/card_steps.h"
#include "engine/legality/family_predicates.h"
#include "model/rule_slots.h"

namespace tablerun {

namespace {

bool IsJoker(int card) { return card >= kFirstJoker && card <= kCardCount; }

bool AllTableauEmpty(const TTableView& v, std::initializer_list<int> piles) {
  for (const int p : piles) {
    if (!v.IsEmpty(fnFila(p))) return false;
  }
  return true;
}

// The rank joker foundations start from when their base is −2: the first
// started foundation's bottom card, or the rank below the card on its joker.
int LearnedJokerBase(const TTableView& v, int base) {
  if (base != -2) return base;
  for (int f = 0; f < v.Foundations(); ++f) {
    if (v.IsEmpty(fnDest(f))) continue;
    const int bottom = v.Bottom(fnDest(f));
    if (!IsJoker(bottom)) return fnCardRank(bottom);
    const int second = v.CardAt(fnDest(f), 1);
    return second > 0 && !IsJoker(second) ? fnCyclicRank(fnCardRank(second), -1) : -2;
  }
  return -2;
}

bool NaturalOnJokerFoundation(const TTableView& v, TPileRef pile, int moving, int base, int ownBase) {
  const int count = v.Count(pile);
  const int rank = fnCardRank(moving);
  if (count == 0) return rank == base || base == -2;
  const int top = v.Top(pile);
  if (count == 1 && IsJoker(top)) return base == -2 || rank == base || rank == base + 1;
  if (IsJoker(top)) {
    const int under = v.CardAt(pile, count - 2);
    if (under <= 0 || IsJoker(under) || !fnSameSuit(under, moving)) return false;
    const int underRank = fnCardRank(under);
    return rank == underRank + 1 || rank == underRank + 2 || (ownBase != 1 && underRank == kKing && rank <= kTwo);
  }
  if (fnSameSuit(top, moving) && (fnIsUp(top, moving) || (ownBase != 1 && fnIsWrapUp(top, moving)))) return true;
  // A joker further down stood for a rank; the card may continue from it.
  for (int p = 0; p < count; ++p) {
    if (!IsJoker(v.CardAt(pile, p))) continue;
    return p == 0 ? rank == base : rank == fnCardRank(v.CardAt(pile, p - 1)) + 1;
  }
  return false;
}

// The step from a foundation's bottom card to its second: King–Ace counts 1,
// King–Two and Queen–Ace 2.
int StepBetween(int bottom, int second) {
  const int low = fnCardRank(bottom);
  const int high = fnCardRank(second);
  if (low == kKing && high == kAce) return 1;
  if ((low == kKing && high == kTwo) || (low == kQueen && high == kAce)) return 2;
  return high - low;
}

bool StepFits(int target, int moving, int step) {
  const int targetRank = fnCardRank(target);
  const int rank = fnCardRank(moving);
  if (rank == targetRank + step) return true;
  if (step == 1) return targetRank == kKing && rank == kAce;
  return step == 2 && ((targetRank == kKing && rank == kTwo) || (targetRank == kQueen && rank == kAce));
}

// +1 up, −1 down, 0 unknown, from two cards bottom first.
int DirectionOf(int lower, int upper) {
  const int low = fnCardRank(lower);
  const int high = fnCardRank(upper);
  if (low == kKing && high == kAce) return 1;
  if (low == kAce && high == kKing) return -1;
  return high > low ? 1 : high < low ? -1 : 0;
}

int PileDirection(const TTableView& v, TPileRef pile) {
  return v.Count(pile) >= 2 ? DirectionOf(v.CardAt(pile, 0), v.CardAt(pile, 1)) : 0;
}

bool StepInDirection(int target, int moving, int direction) {
  if (!fnSameSuit(target, moving)) return false;
  return (direction >= 0 && fnIsUpOrWrapUp(target, moving)) || (direction <= 0 && fnIsDownOrWrapDown(target, moving));
}

}  // namespace

// Codes 99 and 100: gaps of a row wait until the rows behind it are cleared;
// while the stock lasts, a card may leave only a pile that something still covers.
bool fnRowTestPasses(const TBuildCase& c) {
  const TTableView& v = c.view;
  if (v.StockAndWasteEmpty()) {
    for (int row = 0; row < 3; ++row) {
      const int next = (row + 1) * 8;
      if (v.AnyTableauEmpty(row * 8, row * 8 + 7) && v.AnyTableauHolds(next, next + 7)) return false;
    }
    return true;
  }
  const int source = c.SourceTableau();
  return source < 0 || !fnRowReleases(v, source);
}

bool fnRisesThenFalls(const TBuildCase& c) {
  const int count = c.DestinationCount();
  if (count < kSuitSize) return fnIsUp(c.target, c.moving);
  if (count == kSuitSize) return fnCardRank(c.moving) == kKing;
  return fnIsDown(c.target, c.moving);
}

bool fnJokerFoundationAccepts(const TBuildCase& c, bool jokerStarts) {
  const TTableView& v = c.view;
  const int i = c.Index();
  const TPileRef pile = fnDest(i);
  const int ownBase = v.Rule(rule::kFoundationBase + i);
  const bool allowed = IsJoker(c.moving)
                           ? jokerStarts || !v.IsEmpty(pile)
                           : NaturalOnJokerFoundation(v, pile, c.moving, LearnedJokerBase(v, ownBase), ownBase);
  return allowed && (v.Foundations() != 4 || FoundationSuitsDistinct(v, 0, 1, 2, 3, i, c.moving));
}

bool fnLearnedStepAccepts(const TBuildCase& c) {
  const TTableView& v = c.view;
  for (int f = 0; f < v.Foundations(); ++f) {
    if (v.Count(fnDest(f)) < 2) continue;
    const int step = StepBetween(v.CardAt(fnDest(f), 0), v.CardAt(fnDest(f), 1));
    if (step != 0) return StepFits(c.target, c.moving, step);
    break;
  }
  return StepFits(c.target, c.moving, 1) || StepFits(c.target, c.moving, 2);
}

bool fnHomeRankAccepts(const TBuildCase& c) {
  const TTableView& v = c.view;
  const int i = c.Index();
  const int home = v.Rule(rule::kTableauEmpty + i);
  const int rank = fnCardRank(c.moving);
  const TPileRef pile = fnFila(i);
  if (v.IsEmpty(pile)) return rank == home;
  const int bottom = v.Bottom(pile);
  if (fnCardRank(bottom) == home) return fnSameSuit(c.target, c.moving) && rank == fnCardRank(c.target) + 3;
  // Two misplaced single cards change places.
  const int from = c.SourceTableau();
  return v.Count(pile) == 1 && rank == home && from >= 0 && v.Count(fnFila(from)) == 1 &&
         fnCardRank(bottom) == v.Rule(rule::kTableauEmpty + from);
}

bool fnRowFeedAccepts(const TBuildCase& c) {
  const int i = c.Index();
  if (i > 31) return false;
  // Each row of eight takes its cards from the row behind it, the last row from the waste.
  const int feeder = (i / 8 + 1) * 8;
  if (feeder < 32 ? !c.FromTableauRange(feeder, feeder + 7) : !c.FromWaste()) return false;
  if (!c.Empty() && !(fnIsDown(c.target, c.moving) && fnOtherColour(c.target, c.moving))) return false;
  return fnRowTestPasses(c);
}

bool fnSideRowAccepts(const TBuildCase& c) {
  if (!c.legality.IsFreeAtRowSide(c.moving)) return false;
  const int i = c.Index();
  const bool open = fnOuterSideEmpty(c.view, i);
  if (c.Empty()) return (i % 10 == 4 || i % 10 == 5) && open;
  return open && fnSameSuit(c.target, c.moving) && fnIsStepWithWrap(c.target, c.moving);
}

bool fnLearnedDirectionAccepts(const TBuildCase& c) {
  if (!c.legality.IsFreeAtRowSide(c.moving)) return false;
  int direction = 0;
  for (int f = 0; f < c.view.Foundations(); ++f) {
    if (c.view.Count(fnDest(f)) >= 2) direction = PileDirection(c.view, fnDest(f));
  }
  return StepInDirection(c.target, c.moving, direction);
}

bool fnBlockedByRowBelow(const TBuildCase& c) {
  const TTableView& v = c.view;
  const int from = c.SourceTableau();
  if (from >= 0 && from <= 7) return !v.IsEmpty(fnAppogg(from)) && !v.IsEmpty(fnFila(from + 8));
  if (from >= 8 && from <= 31) return !v.IsEmpty(fnFila(from - 8)) && v.IsEmpty(fnFila(from + 8));
  return false;
}

bool fnTwoRowFoundationAccepts(const TBuildCase& c) {
  const TTableView& v = c.view;
  bool fed = false;
  if (c.FromTableauRange(0, 12)) {
    fed = true;
  } else if (c.FromTableauRange(13, 21)) {
    fed = v.AnyTableauEmpty(0, 12) || c.Empty();
  } else if (c.FromWaste()) {
    fed = c.Empty() || (v.AnyTableauEmpty(0, 12) && v.AnyTableauEmpty(13, 21));
  }
  if (!fed) return false;
  if (c.Empty()) return fnCardRank(c.moving) == v.Rule(rule::kFoundationBase);
  return fnSameSuit(c.target, c.moving) && fnIsUpOrWrapUp(c.target, c.moving);
}

bool fnTwoRowTableauAccepts(const TBuildCase& c) {
  if (c.Index() > 12) {
    if (!c.FromTableauRange(13, 21) && !c.FromWaste()) return false;
    return c.Empty() || (fnOtherColour(c.target, c.moving) && fnIsDownOrWrapDown(c.target, c.moving));
  }
  // The first row is filled only, from the second row or from the waste while the second has a gap.
  if (c.FromWaste()) return c.Empty() && c.view.AnyTableauEmpty(13, 21);
  return c.FromTableauRange(13, 21) && c.Empty();
}

bool fnPyramidFeedAccepts(const TBuildCase& c) {
  const TTableView& v = c.view;
  bool uncovered = false;
  switch (c.SourceTableau()) {
    case 5: uncovered = true; break;
    case 0:
    case 6: uncovered = AllTableauEmpty(v, {3, 4, 5}); break;
    case 1:
    case 3:
    case 7: uncovered = AllTableauEmpty(v, {4, 5}); break;
    case 2:
    case 4:
    case 8: uncovered = AllTableauEmpty(v, {5}); break;
    default: break;
  }
  if (!uncovered) return false;
  return c.Empty() ? fnCardRank(c.moving) == kAce : fnIsUpOrWrapUp(c.target, c.moving);
}

bool fnSharedSuitFoundationAccepts(const TBuildCase& c) {
  const TTableView& v = c.view;
  const int i = c.Index();
  const int suit = fnCardSuit(c.moving);
  const int rank = fnCardRank(c.moving);
  const TPileRef rising = fnDest(3);
  const TPileRef falling = fnDest(4);
  const int shared = !v.IsEmpty(rising)    ? fnCardSuit(v.Bottom(rising))
                     : !v.IsEmpty(falling) ? fnCardSuit(v.Bottom(falling))
                                           : -1;
  if (i == 3 || i == 4) {
    if (!c.Empty()) {
      if (!fnSameSuit(c.target, c.moving)) return false;
      return i == 3 ? fnIsUpOrWrapUp(c.target, c.moving) : fnIsDownOrWrapDown(c.target, c.moving);
    }
    if (rank != (i == 3 ? kAce : kJack)) return false;
    if (shared >= 0) return suit == shared;
    for (int f = 0; f <= 7; ++f) {
      if (f != 3 && f != 4 && !v.IsEmpty(fnDest(f)) && fnCardSuit(v.Bottom(fnDest(f))) == suit) return false;
    }
    return true;
  }
  if (!c.Empty()) return fnSameSuit(c.target, c.moving) && fnIsDownOrWrapDown(c.target, c.moving);
  if (rank != v.Rule(rule::kFoundationBase + i) || suit == shared) return false;
  if (shared >= 0) return true;
  // With the pair not started, one suit must stay free for it.
  std::set<int> suits{suit};
  for (int f = 0; f < v.Foundations(); ++f) {
    if (!v.IsEmpty(fnDest(f))) suits.insert(fnCardSuit(v.Bottom(fnDest(f))));
  }
  return suits.size() <= 3;
}

bool fnInnerGridFoundationAccepts(const TBuildCase& c) {
  const int from = c.SourceTableau();
  if (from < 0 || (from >= 14 && !fnInnerGridIsFree(c.view, from))) return false;
  if (c.Empty())
    return fnCardRank(c.moving) == kAce && FoundationSuitsDistinct(c.view, 0, 1, 2, 3, c.Index(), c.moving);
  return fnSameSuit(c.target, c.moving) && fnRisesThenFalls(c);
}

bool fnInnerGridTableauAccepts(const TBuildCase& c) {
  const int from = c.SourceTableau();
  const bool inner = from >= 14;
  if (from < 0 || c.Index() > 13 || (inner && !fnInnerGridIsFree(c.view, from))) return false;
  if (c.Empty()) return inner;
  return StepInDirection(c.target, c.moving, PileDirection(c.view, fnFila(c.Index())));
}

}  // namespace tablerun
