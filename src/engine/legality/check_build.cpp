// CheckBuild: the one place where a build code is turned into a rule.
#include <optional>

#include "engine/legality/build_case.h"
#include "engine/legality/card_steps.h"
#include "engine/legality/family_predicates.h"
#include "model/rule_slots.h"

namespace tablerun {

namespace {

// The one tableau pile that takes the waste card under the stock-first rule.
int DesignatedPile(const TTableView& v, int mode) {
  if (mode == 2) {
    // Slot 380 may hold fewer cards than the waste: keep the pile number non-negative.
    const int counter = v.Rule(rule::kWasteDeal) - v.Count(kMazzoVis);
    return (counter % 12 + 12) % 12;
  }
  int fullest = -1;
  int most = 0;
  for (int p = 0; p < v.TableauPiles(); ++p) {
    const int held = v.Count(fnFila(p));
    if (held > 0 && held >= most) {
      most = held;
      fullest = p;
    }
  }
  return fullest < 0 ? 0 : (fullest + 1) % v.TableauPiles();
}

// Rule slot 37: a decision, or nothing when the build code decides.
std::optional<bool> StockFirst(const TBuildCase& c) {
  const TTableView& v = c.view;
  const int mode = v.Rule(rule::kStockFirst);
  const bool anyDestination = mode == 2 || mode == 3;
  if ((anyDestination || (mode == 1 && c.rule.toFoundation)) && !v.StockAndWasteEmpty() && c.FromTableau()) {
    return false;
  }
  if (!anyDestination || c.rule.toFoundation || v.IsEmpty(kMazzoVis)) return std::nullopt;
  return c.moving == v.Top(kMazzoVis) && c.Index() == DesignatedPile(v, mode);
}

// Rule slot 51, for a card that starts a foundation.
bool FoundationSetAllows(const TBuildCase& c) {
  if (!c.rule.toFoundation || !c.view.IsEmpty(fnDest(c.Index()))) return true;
  switch (c.view.Rule(rule::kFoundationSetRule)) {
    case 1: return FoundationSuitsDistinct(c.view, 0, 1, 2, 3, c.Index(), c.moving);
    case 2: return FoundationColoursAlternate(c.view, c.moving, c.Index());
    default: return true;
  }
}

// The suits of foundations 0–3, or 4–7 beyond foundation 3, with the card at `destination`.
bool QuartetSuitsDistinct(const TBuildCase& c, int destination) {
  const int first = c.Index() > 3 ? 4 : 0;
  return FoundationSuitsDistinct(c.view, first, first + 1, first + 2, first + 3, destination, c.moving);
}

// Codes 70, 71 and 116: the card comes `distance` places along a row, or
// `distance` rows up or down, of a grid `width` piles wide.
bool FromGridStep(const TBuildCase& c, int width, int distance, bool overOccupied) {
  const int from = c.SourceTableau();
  const int to = c.Index();
  // A grid of no columns (slot 30 left at 0) has no neighbours; never divide by it.
  if (width <= 0 || from < 0) return false;
  const int apart = from > to ? from - to : to - from;
  const bool alongRow = from / width == to / width && apart == distance;
  const bool alongColumn = apart == distance * width;
  if (!alongRow && !alongColumn) return false;
  return !overOccupied || !c.view.IsEmpty(fnFila((from + to) / 2));
}

// Codes 25 and 61: two ranks apart in suit; 61 also turns the corner while
// the foundation is short of thirteen cards.
bool TwoApartAccepts(const TBuildCase& c, bool turnsCorner) {
  if (c.Empty()) return fnStandardBuild(c, c.rule.buildCode);
  const int targetRank = fnCardRank(c.target);
  const int rank = fnCardRank(c.moving);
  const bool suit = fnSameSuit(c.target, c.moving);
  if (suit && rank == targetRank + (c.rule.direction == 1 ? 2 : -2)) return true;
  if (!turnsCorner) return false;
  if (c.DestinationCount() >= 13) return fnStandardBuild(c, c.rule.buildCode);
  return suit && ((targetRank == 13 && rank == 2) || (targetRank == 12 && rank == 1));
}

// Code 30: once a pile holds two cards it keeps the direction they set.
bool FollowsPile(const TBuildCase& c) {
  const int count = c.DestinationCount();
  if (count < 2) return fnIsUpOrDown(c.target, c.moving);
  const int under = c.view.CardAt(c.Destination(), count - 2);
  return fnCardRank(c.target) < fnCardRank(under) ? fnIsDown(c.target, c.moving) : fnIsUp(c.target, c.moving);
}

// Codes 86 and 87: suits follow hearts, clubs, diamonds, spades round.
bool NextSuitInCycle(int target, int moving) {
  static constexpr int kNext[] = {2, 3, 1, 0};
  const int suit = fnCardSuit(target);
  return suit >= 0 && suit <= 3 && fnCardSuit(moving) == kNext[suit];
}

// Codes 94 and 95: a reserve card moves only once the family frees it.
bool ReleasedFromReserve(const TBuildCase& c) {
  return !c.FromReserve() || fnReserveIsFree(c.view, c.SourceReserve());
}

// Code 131: a pile whose cards lie over a fixed pile of the layout.
bool CoveredFromBelow(const TBuildCase& c) {
  const auto holds = [&](int pile) { return !c.view.IsEmpty(fnFila(pile)); };
  switch (c.SourceTableau()) {
    case 0: return holds(2) || holds(6);
    case 1: return holds(5);
    case 2: return holds(6);
    case 3: return holds(7);
    default: return false;
  }
}

bool BuildCodeAllows(const TBuildCase& c) {
  const TTableView& v = c.view;
  const int t = c.target;
  const int m = c.moving;
  const int i = c.Index();
  const int code = c.rule.buildCode;
  const int rank = fnCardRank(m);
  const int targetRank = fnCardRank(t);
  const int ownBase = v.Rule(rule::kFoundationBase + i);
  const bool upward = v.Rule(rule::kFoundationDirection + i) == 1;
  const bool inSuit = fnSameSuit(t, m);
  const bool upInSuit = inSuit && fnIsUp(t, m);

  switch (code) {
    case 4: return false;
    case 5: return fnParallelFoundationAccepts(v, m, i, true);
    case 7: return c.rule.strict ? c.Empty() && v.IsEmpty(kMazzo) : fnStandardBuild(c, code);
    case 11: return fnStandardBuild(c, code) && !(rank == 12 && (targetRank == 13 || targetRank == 11));
    case 12: return true;
    case 14:
    case 15:
    case 16: {
      const int step = code - 12;
      return rank == targetRank + step || rank == (targetRank + step) % 13;
    }
    case 17: return !c.FromTableau();
    case 18: return !c.FromTableau() || c.Empty();
    case 19: return !c.FromTableau() && !c.FromReserve();
    case 20: return fnIsUpOrWrapUp(t, m) || (c.Empty() && rank == 1);
    case 21: return (c.Empty() || !inSuit) && fnStandardBuild(c, code);
    case 23: return v.IsEmpty(kMazzoVis) && !c.Empty() && upInSuit;
    case 24:
      return (c.Empty() || inSuit) && fnStandardBuild(c, code) && !(rank == 12 && targetRank == 13) &&
             !(rank == 13 && targetRank == 12);
    case 25: return TwoApartAccepts(c, false);
    case 61: return TwoApartAccepts(c, true);
    case 26:
      if (!c.Empty()) return c.DestinationCount() < 3 && fnIsUpOrDown(t, m);
      return c.rule.emptyRule == -1 || (c.rule.emptyRule == 13 && rank == 13);
    case 27: return !c.FromFoundation() && !c.FromReserve() && fnStandardBuild(c, 3);
    case 28:
    case 60:
      if (c.Empty()) return true;
      return fnIsUpOrDown(t, m) && (targetRank != 1 || rank == 2) && (targetRank != 13 || rank == 12) &&
             (code == 28 || inSuit);
    case 29: return c.Empty() ? c.legality.LetterGroupAccepts(m, c.rule.baseRank) : inSuit && fnRisesThenFalls(c);
    case 30: return !fnIsWrapUp(t, m) && !fnIsWrapDown(t, m) && (c.Empty() || (inSuit && FollowsPile(c)));
    case 31: return targetRank != 1 && inSuit && fnIsDown(t, m);
    case 32: return targetRank != 13 && upInSuit;
    case 33: return !c.FromTableau() && c.DestinationCount() <= 1;
    case 34: return c.Empty() ? fnStandardBuild(c, code) : fnIsDown(t, m);
    case 35: return c.Empty() ? fnStandardBuild(c, code) : fnIsStepWithWrap(t, m);
    case 36:
      if (c.Empty()) return rank == c.rule.baseRank && (i == 0 || !v.IsEmpty(fnDest(i - 1)));
      return fnIsDownOrWrapDown(t, m);
    case 37:
      if (c.Empty()) return fnStandardBuild(c, code);
      return rank == (2 * targetRank) % 13 || (rank == 13 && v.Count(fnDest(0)) >= 48);
    case 38:
    case 45:
    case 48: {
      // Kings (Queens for 48) open the piles; while the waste lasts the family decides.
      const int opener = code == 48 ? 12 : 13;
      if (!v.IsEmpty(kMazzoVis)) return fnRowEndAccepts(v, m, i, opener);
      if (c.Empty()) return rank == opener;
      if (code == 45) return rank != 13 && (c.DestinationCount() == 1 || fnIsDown(t, m));
      return c.DestinationCount() == 1 && targetRank == opener && rank != 12 && rank != opener;
    }
    case 39: return c.Empty() ? rank == 1 : rank != 12 && rank != 13 && fnIsUp(t, m);
    case 40: {
      const int turn = (c.context.stockTurns % 13 + 13) % 13;
      return rank == turn || (turn == 0 && rank == 13) || v.Count(kMazzo) + v.Count(kMazzoVis) == 1;
    }
    case 41:
      if (!c.Empty()) return inSuit && rank == fnCyclicRank(targetRank, 2);
      return rank == ownBase && QuartetSuitsDistinct(c, -1);
    case 42: return upInSuit && (rank != 13 || fnCardRank(v.Top(fnDest(i + 6))) == 13);
    case 43: return inSuit && rank == targetRank + 2;
    case 44: return c.Empty() ? rank == 1 : rank != 13 && fnIsUp(t, m);
    case 46:
    case 49:
    case 51:
      if (code != 46 && v.IsEmpty(fnFila(i))) return false;
      if (code == 51 && fnCardSuit(m) != fnCardSuit(v.Bottom(fnFila(i)))) return false;
      return c.Empty() ? rank == ownBase : fnIsUp(t, m) && rank != 12 && rank != 13;
    case 47:
    case 50:
    case 52:
      if (code != 47 && (i < 8 || v.IsEmpty(fnFila(i - 8)))) return false;
      if (code == 52 && fnCardSuit(m) != fnCardSuit(v.Bottom(fnFila(i - 8)))) return false;
      return c.Empty() ? rank == ownBase : fnIsDownOrWrapDown(t, m) && rank != 12;
    case 53:
      if (i > 0 && v.Count(fnDest(0)) != 13) return false;
      return c.Empty() ? rank == ownBase : fnIsUpOrWrapUp(t, m);
    case 54:
      if (!c.Empty()) return fnIsDown(t, m) || (v.Rule(rule::kTableauWrap + i) == 1 && fnIsWrapDown(t, m));
      return !c.FromReserve() && !c.FromTableau() && (rank == c.rule.emptyRule || c.rule.emptyRule == -1);
    case 55: {
      const bool fits = c.Empty() ? rank == c.rule.emptyRule || c.rule.emptyRule == -1
                                  : fnIsUp(t, m) && fnSameColour(t, m);
      const int waste = v.Count(kMazzoVis);
      return fits && waste <= 1 && (waste == 0 || m == v.Top(kMazzoVis));
    }
    case 56: return !c.Empty() && rank == targetRank && c.SourceTableau() >= i;
    case 57: return v.IsEmpty(kMazzo) && fnIsStepWithWrap(t, m);
    case 58:
    case 64:
      if (!v.IsEmpty(kMazzo) && c.FromTableauRange(4, 7) && c.SourceTableau() - 4 != i) return false;
      if (c.Empty()) {
        const bool corner = (i <= 1 && rank == 1) || (i >= 2 && i <= 3 && rank == 13);
        return corner && fnCornerFoundationAccepts(v, m, i);
      }
      return inSuit && (upward ? fnIsUp(t, m) : fnIsDown(t, m));
    case 62: return fnPartnerAccepts(v, m, t, i);
    case 63:
      if (c.context.redealRound <= 1 && ((c.FromTableauRange(0, 3) && i > 3) || (c.FromTableauRange(6, 9) && i <= 3))) {
        return false;
      }
      return (c.Empty() || inSuit) && fnStandardBuild(c, code);
    case 67: return fnOutsideCardFillsEmpty(v, m, i);
    case 68: return !c.Empty() && fnIsStepWithWrap(t, m);
    case 69: return c.Empty();
    case 70:
      return c.Empty() && FromGridStep(c, v.Rule(rule::kGridRowWidth), 1, false);
    case 71:
      return c.Empty() && FromGridStep(c, v.Rule(rule::kGridRowWidth), 2, true);
    case 72: return fnJokerFoundationAccepts(c, false);
    case 75: return fnJokerFoundationAccepts(c, true);
    case 73: return rank == i + 1;
    case 76: return c.Empty() || rank < targetRank;
    case 77: return c.Empty() ? rank == 1 : rank == c.DestinationCount() / 4 + 1;
    case 78: return c.Empty() ? rank == 1 : targetRank == 13 ? rank == 1 : upInSuit;
    case 79:
      // The thirteenth card comes from reserve i, and only the thirteenth may.
      if ((c.DestinationCount() == 12) != (c.SourceReserve() == i)) return false;
      return c.Empty() ? rank == ownBase : fnIsUpOrWrapUp(t, m);
    case 80:
    case 81: return !c.FromTableau() && (c.Empty() || (inSuit && fnIsStepWithWrap(t, m)));
    case 82:
      if (!v.StockAndWasteEmpty()) return false;
      return (c.Empty() ? QuartetSuitsDistinct(c, -1) : inSuit) && fnStandardBuild(c, code);
    case 83: {
      const TPileRef own = fnDest(i);
      const bool resting = fnCardRank(v.Top(own)) == i + 1 && (i != 6 || v.Count(own) == 13);
      return !resting && fnIsDownOrWrapDown(t, m);
    }
    case 86: return c.Empty() ? rank == 1 : fnIsUp(t, m) && NextSuitInCycle(t, m);
    case 87: return c.Empty() || (fnIsDown(t, m) && NextSuitInCycle(t, m));
    case 91: return fnLearnedStepAccepts(c);
    case 92: return rank == 1;
    case 93: return fnHomeRankAccepts(c);
    case 94:
      if (!ReleasedFromReserve(c)) return false;
      if (!c.Empty()) return fnOtherColour(t, m) && fnIsDownOrWrapDown(t, m);
      return !c.FromTableau() && (!c.FromWaste() || v.AllReservesEmpty());
    case 95:
      if (!ReleasedFromReserve(c)) return false;
      return c.Empty() ? rank == 1 : inSuit && fnIsUpOrWrapUp(t, m);
    case 96: return (!c.Empty() || QuartetSuitsDistinct(c, i)) && fnStandardBuild(c, 0);
    case 97: {
      if (c.Empty()) return rank == ownBase;
      const int partner = i - v.Foundations() / 2;
      // The first half of the foundations has no partner to add.
      if (c.DestinationCount() >= 12 || partner < 0) return false;
      const int sum = fnCardRank(v.Bottom(fnDest(partner))) + targetRank;
      return rank == (sum > 13 ? sum - 13 : sum);
    }
    case 98: return c.Empty() ? rank == ownBase : inSuit && (fnIsUp(t, m) || (rank == 7 && targetRank == 1));
    case 99: return c.FromTableauRange(0, 7) && (c.Empty() ? rank == 1 : upInSuit) && fnRowTestPasses(c);
    case 100: return fnRowFeedAccepts(c);
    case 101: return fnSideRowAccepts(c);
    case 102: return fnLearnedDirectionAccepts(c);
    case 104:
      if ((i == 0 && targetRank == 12) || (i >= 1 && i <= 11 && targetRank == i)) return false;
      return inSuit && fnIsUpOrWrapUp(t, m);
    case 105: return !c.Empty() && inSuit && fnIsDownOrWrapDown(t, m);
    case 106: return c.Empty() ? rank == ownBase : inSuit && rank == targetRank + 2;
    case 108: return v.IsEmpty(kMazzo) && (c.Empty() || (inSuit && fnIsStepWithWrap(t, m)));
    case 109: return !fnBlockedByRowBelow(c) && upInSuit;
    case 110:
      if (!c.FromTableau() || (rank != 1 && c.SourceTableau() != i)) return false;
      if (c.Empty()) {
        for (int f = 0; f < i; ++f) {
          if (v.IsEmpty(fnDest(f))) return false;
        }
        return rank == 1;
      }
      return inSuit && (c.DestinationCount() == 1 ? rank == 7 : fnIsUp(t, m));
    case 111:
    case 131:
      if (code == 111 ? c.FromTableauRange(8, 15) : CoveredFromBelow(c)) return false;
      if (!c.Empty()) return inSuit && (upward ? fnIsUp(t, m) : fnIsDown(t, m));
      return rank == ownBase && QuartetSuitsDistinct(c, i);
    case 112:
      if (c.FromTableauRange(8, 15) || (i >= 8 && i <= 15)) return false;
      return c.Empty() || (inSuit && fnIsUpOrDown(t, m));
    case 113: return fnGridStepAccepts(v, c.context, i);
    case 114: return fnTwoRowFoundationAccepts(c);
    case 115: return fnTwoRowTableauAccepts(c);
    case 116: return FromGridStep(c, 3, 1, false) && (c.Empty() || fnIsStepWithWrap(t, m));
    case 117: return fnPyramidFeedAccepts(c);
    case 118:
      if (i > 0 && v.Count(fnDest(i - 1)) < 13) return false;
      return c.Empty() ? rank == c.rule.baseRank : fnIsUpOrWrapUp(t, m);
    case 120: {
      if (!c.Empty() || i < 8) return false;
      const TPileRef below = fnDest(i - 8);
      return !v.IsEmpty(below) && rank == 13 && fnCardSuit(m) == fnCardSuit(v.Bottom(below));
    }
    case 121: return c.Empty() ? rank == 11 : inSuit && fnIsDown(t, m);
    case 122: return fnParallelFoundationAccepts(v, m, i, false);
    case 123:
      if (rank != c.rule.baseRank) return false;
      return c.Empty() ? fnCardSuit(m) == c.context.familyValue : fnOtherColour(t, m);
    case 124: {
      const int special = v.Rule(rule::kSpecialRank);
      if (i == 4) return rank == special;
      if (rank == special) return false;
      if (!c.Empty()) return inSuit && (upward ? fnIsUpOrWrapUp(t, m) : fnIsDownOrWrapDown(t, m));
      const int first = i > 3 ? 5 : 0;
      return rank == ownBase && FoundationSuitsDistinct(v, first, first + 1, first + 2, first + 3, i, m);
    }
    case 125:
      if (c.Empty()) return fnStandardBuild(c, code);
      return c.DestinationCount() < 13 && inSuit && fnIsUpOrWrapUp(t, m);
    case 126: return c.Empty() || rank == targetRank;
    case 127:
      if (c.Empty()) return rank == 1 && FoundationSuitsDistinct(v, 0, 1, 2, 3, i, m);
      return c.DestinationCount() <= 26 && inSuit && fnIsUpOrWrapUp(t, m);
    case 128: return fnSharedSuitFoundationAccepts(c);
    case 129: return v.IsEmpty(kMazzo) && !c.Empty() && inSuit && fnIsStepWithWrap(t, m);
    case 130:
      if (i <= 3) return !c.FromTableau() && c.Empty();
      if (c.FromTableauRange(0, 3) || (c.FromReserve() && !v.AnyTableauEmpty(4, 8))) return false;
      return c.Empty() || (inSuit && fnIsUpOrDown(t, m));
    case 132:
      if (!c.Empty()) return fnIsUp(t, m);
      return rank == 1 && (i == 0 || v.Count(fnDest(i - 1)) >= 13);
    case 133:
      return c.Empty() || targetRank == rank + 2 || (targetRank == 1 && rank == 12) || (targetRank == 2 && rank == 13);
    case 134:
      if (c.Empty()) return c.FromWaste();
      if (c.FromFoundation()) return false;
      return i > 0 ? fnIsUp(t, m) && c.SourceTableau() != 0 : fnIsDown(t, m) && !c.FromTableauRange(1, 3);
    case 135: {
      const TPileRef first = fnDest(0);
      if (i > 0 && !v.IsEmpty(first) && fnCardSuit(m) == fnCardSuit(v.Bottom(first))) return false;
      if (!c.Empty()) return i > 0 ? fnIsDown(t, m) : upInSuit;
      if (i > 0) return rank == 13;
      bool opening = true;
      for (int f = 0; f <= 3; ++f) opening = opening && v.Count(fnDest(f)) <= 1;
      return rank == 1 && (!opening || FoundationSuitsDistinct(v, 0, 1, 2, 3, i, m));
    }
    case 136:
      if (i > 3 && c.Empty()) {
        int complete = 0;
        for (int f = 0; f < v.Foundations(); ++f) complete += v.Count(fnDest(f)) >= 13 ? 1 : 0;
        if (complete < i - 3) return false;
      }
      return fnStandardBuild(c, 3);
    case 137: return !c.FromTableau() && c.DestinationCount() <= 4 && (c.Empty() || fnIsUpOrDown(t, m));
    case 138: return fnInnerGridFoundationAccepts(c);
    case 139: return fnInnerGridTableauAccepts(c);
    case 140: {
      if (!c.Empty()) return upInSuit && c.DestinationCount() < 10;
      int firstEmpty = 0;
      while (firstEmpty < v.Foundations() && !v.IsEmpty(fnDest(firstEmpty))) ++firstEmpty;
      return rank == 1 && (firstEmpty == 0 || fnOtherColour(v.Bottom(fnDest(firstEmpty - 1)), m));
    }
    case 141: return !c.FromTableau() && (i == 3 ? rank == 13 : rank != 13);
    case 142:
      if (c.SourceTableau() != i && !v.IsEmpty(fnFila(i))) return false;
      return c.Empty() ? rank == 1 : upInSuit;
    case 143:
    case 144: {
      const int reserve = c.SourceReserve();
      if ((reserve == 0 || reserve == 1) && !v.IsEmpty(fnAppogg(2))) return false;
      if (code == 143) return c.Empty() ? c.FromReserve() : inSuit && fnIsDown(t, m);
      return c.Empty() ? rank == 1 : upInSuit;
    }
    default: return fnStandardBuild(c, code);
  }
}

}  // namespace

bool TMoveLegality::CheckBuild(int target, int moving, const TPileRule& rule) const {
  if (target == moving) return false;
  const TBuildCase c(*this, target, moving, rule);
  // The stock-first rule governs the player's moves, not arrangements.
  if (rule.strict) {
    if (const auto decided = StockFirst(c)) return *decided;
  }
  return BuildCodeAllows(c) && FoundationSetAllows(c);
}

}  // namespace tablerun
