// CheckBuild: the one place where a build code is turned into a rule.
#include <optional>

#include "engine/legality/build_case.h"
#include "engine/legality/card_steps.h"
#include "engine/legality/family_predicates.h"
#include "model/build_codes.h"
#include "model/rule_slots.h"

namespace tablerun {

namespace {

// The one tableau pile that takes the waste card under the stock-first rule.
int DesignatedPile(const TTableView& v, TStockFirst mode) {
  if (mode == TStockFirst::WasteToCountedPile) {
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
  const auto mode = static_cast<TStockFirst>(v.Rule(rule::kStockFirst));
  const bool anyDestination = mode == TStockFirst::WasteToCountedPile || mode == TStockFirst::WasteToPileAfterFullest;
  if ((anyDestination || (mode == TStockFirst::NoTableauToFoundation && c.rule.toFoundation)) &&
      !v.StockAndWasteEmpty() && c.FromTableau()) {
    return false;
  }
  if (!anyDestination || c.rule.toFoundation || v.IsEmpty(kMazzoVis)) return std::nullopt;
  return c.moving == v.Top(kMazzoVis) && c.Index() == DesignatedPile(v, mode);
}

// Rule slot 51, for a card that starts a foundation.
bool FoundationSetAllows(const TBuildCase& c) {
  if (!c.rule.toFoundation || !c.view.IsEmpty(fnDest(c.Index()))) return true;
  switch (static_cast<TFoundationSet>(c.view.Rule(rule::kFoundationSetRule))) {
    case TFoundationSet::DistinctSuits: return FoundationSuitsDistinct(c.view, 0, 1, 2, 3, c.Index(), c.moving);
    case TFoundationSet::AlternatingColours: return FoundationColoursAlternate(c.view, c.moving, c.Index());
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
  if (c.DestinationCount() >= kSuitSize) return fnStandardBuild(c, c.rule.buildCode);
  return suit && ((targetRank == kKing && rank == kTwo) || (targetRank == kQueen && rank == kAce));
}

// Code 30: once a pile holds two cards it keeps the direction they set.
bool FollowsPile(const TBuildCase& c) {
  const int count = c.DestinationCount();
  if (count < 2) return fnIsUpOrDown(c.target, c.moving);
  const int under = c.view.CardAt(c.Destination(), count - 2);
  return fnCardRank(c.target) < fnCardRank(under) ? fnIsDown(c.target, c.moving) : fnIsUp(c.target, c.moving);
}

// r(M) = r(T) + step, counted round the ranks.
bool IsUpRound(int targetRank, int rank, int step) {
  return rank == targetRank + step || rank == (targetRank + step) % kSuitSize;
}

// Codes 86 and 87: suits follow hearts, clubs, diamonds, spades round.
bool NextSuitInCycle(int target, int moving) {
  static constexpr int kNext[] = {2, 3, 1, 0};
  const int suit = fnCardSuit(target);
  return suit >= 0 && suit <= 3 && fnCardSuit(moving) == kNext[suit];
}

// Codes 94 and 95: a reserve card moves only once the family frees it.
bool ReleasedFromReserve(const TBuildCase& c) { return !c.FromReserve() || fnReserveIsFree(c.view, c.SourceReserve()); }

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
  const TBuildCode code = c.rule.buildCode;
  const int rank = fnCardRank(m);
  const int targetRank = fnCardRank(t);
  const int ownBase = v.Rule(rule::kFoundationBase + i);
  const bool upward = v.Rule(rule::kFoundationDirection + i) == 1;
  const bool inSuit = fnSameSuit(t, m);
  const bool upInSuit = inSuit && fnIsUp(t, m);

  switch (code) {
    case TBuildCode::Never: return false;
    case TBuildCode::SideBySideFoundations: return fnParallelFoundationAccepts(v, m, i, true);
    case TBuildCode::EmptyOnceStockEmpty:
      return c.rule.strict ? c.Empty() && v.IsEmpty(kMazzo) : fnStandardBuild(c, code);
    case TBuildCode::SameSuitNoQueenOnJackOrKing:
      return fnStandardBuild(c, code) && !(rank == kQueen && (targetRank == kKing || targetRank == kJack));
    case TBuildCode::Always: return true;
    case TBuildCode::UpTwoRound: return IsUpRound(targetRank, rank, 2);
    case TBuildCode::UpThreeRound: return IsUpRound(targetRank, rank, 3);
    case TBuildCode::UpFourRound: return IsUpRound(targetRank, rank, 4);
    case TBuildCode::NotFromTableau: return !c.FromTableau();
    case TBuildCode::NotFromTableauUnlessEmpty: return !c.FromTableau() || c.Empty();
    case TBuildCode::NotFromTableauOrReserve: return !c.FromTableau() && !c.FromReserve();
    case TBuildCode::UpUncapped: return fnIsUpOrWrapUp(t, m) || (c.Empty() && rank == kAce);
    case TBuildCode::NotSameSuit: return (c.Empty() || !inSuit) && fnStandardBuild(c, code);
    case TBuildCode::UpInSuitOnceWasteEmpty: return v.IsEmpty(kMazzoVis) && !c.Empty() && upInSuit;
    case TBuildCode::SameSuitNoQueenKingPair:
      return (c.Empty() || inSuit) && fnStandardBuild(c, code) && !(rank == kQueen && targetRank == kKing) &&
             !(rank == kKing && targetRank == kQueen);
    case TBuildCode::TwoApartInSuit: return TwoApartAccepts(c, false);
    case TBuildCode::TwoApartInSuitTurning: return TwoApartAccepts(c, true);
    case TBuildCode::UpOrDownUnderThree:
      if (!c.Empty()) return c.DestinationCount() < 3 && fnIsUpOrDown(t, m);
      return c.rule.emptyRule == -1 || (c.rule.emptyRule == kKing && rank == kKing);
    case TBuildCode::OtherColourNotFromFoundationOrReserve:
      return !c.FromFoundation() && !c.FromReserve() && fnStandardBuild(c, TBuildCode::OtherColour);
    case TBuildCode::UpOrDownNoWrap:
    case TBuildCode::UpOrDownNoWrapInSuit:
      if (c.Empty()) return true;
      return fnIsUpOrDown(t, m) && (targetRank != kAce || rank == kTwo) && (targetRank != kKing || rank == kQueen) &&
             (code == TBuildCode::UpOrDownNoWrap || inSuit);
    case TBuildCode::RiseAndFall:
      return c.Empty() ? c.legality.LetterGroupAccepts(m, c.rule.baseRank) : inSuit && fnRisesThenFalls(c);
    case TBuildCode::FollowThePile:
      return !fnIsWrapUp(t, m) && !fnIsWrapDown(t, m) && (c.Empty() || (inSuit && FollowsPile(c)));
    case TBuildCode::DownInSuitNotOnAce: return targetRank != kAce && inSuit && fnIsDown(t, m);
    case TBuildCode::UpInSuitNotOnKing: return targetRank != kKing && upInSuit;
    case TBuildCode::NotFromTableauOntoOneCard: return !c.FromTableau() && c.DestinationCount() <= 1;
    case TBuildCode::DownSingleCards: return c.Empty() ? fnStandardBuild(c, code) : fnIsDown(t, m);
    case TBuildCode::UpOrDownRound: return c.Empty() ? fnStandardBuild(c, code) : fnIsStepWithWrap(t, m);
    case TBuildCode::DownRoundAfterPreviousStarted:
      if (c.Empty()) return rank == c.rule.baseRank && (i == 0 || !v.IsEmpty(fnDest(i - 1)));
      return fnIsDownOrWrapDown(t, m);
    case TBuildCode::DoubleRank:
      if (c.Empty()) return fnStandardBuild(c, code);
      return rank == (2 * targetRank) % kSuitSize || (rank == kKing && v.Count(fnDest(0)) >= 48);
    case TBuildCode::KingRowEnds:
    case TBuildCode::KingRowEndsDown:
    case TBuildCode::QueenRowEnds: {
      // Kings (Queens for 48) open the piles; while the waste lasts the family decides.
      const int opener = code == TBuildCode::QueenRowEnds ? kQueen : kKing;
      if (!v.IsEmpty(kMazzoVis)) return fnRowEndAccepts(v, m, i, opener);
      if (c.Empty()) return rank == opener;
      if (code == TBuildCode::KingRowEndsDown) return rank != kKing && (c.DestinationCount() == 1 || fnIsDown(t, m));
      return c.DestinationCount() == 1 && targetRank == opener && rank != kQueen && rank != opener;
    }
    case TBuildCode::UpFromAceBelowQueen:
      return c.Empty() ? rank == kAce : rank != kQueen && rank != kKing && fnIsUp(t, m);
    case TBuildCode::StockTurnRank: {
      const int turn = (c.context.stockTurns % kSuitSize + kSuitSize) % kSuitSize;
      return rank == turn || (turn == 0 && rank == kKing) || v.Count(kMazzo) + v.Count(kMazzoVis) == 1;
    }
    case TBuildCode::TwoUpRoundInSuit:
      if (!c.Empty()) return inSuit && rank == fnCyclicRank(targetRank, 2);
      return rank == ownBase && QuartetSuitsDistinct(c, -1);
    case TBuildCode::UpInSuitKingAfterPartner:
      return upInSuit && (rank != kKing || fnCardRank(v.Top(fnDest(i + 6))) == kKing);
    case TBuildCode::TwoUpInSuit: return inSuit && rank == targetRank + 2;
    case TBuildCode::UpFromAceBelowKing: return c.Empty() ? rank == kAce : rank != kKing && fnIsUp(t, m);
    case TBuildCode::UpToJackFromBase:
    case TBuildCode::UpToJackOverPile:
    case TBuildCode::UpToJackOverPileInSuit:
      if (code != TBuildCode::UpToJackFromBase && v.IsEmpty(fnFila(i))) return false;
      if (code == TBuildCode::UpToJackOverPileInSuit && fnCardSuit(m) != fnCardSuit(v.Bottom(fnFila(i)))) return false;
      return c.Empty() ? rank == ownBase : fnIsUp(t, m) && rank != kQueen && rank != kKing;
    case TBuildCode::DownRoundNoQueen:
    case TBuildCode::DownRoundBesidePile:
    case TBuildCode::DownRoundBesidePileInSuit:
      if (code != TBuildCode::DownRoundNoQueen && (i < 8 || v.IsEmpty(fnFila(i - 8)))) return false;
      if (code == TBuildCode::DownRoundBesidePileInSuit && fnCardSuit(m) != fnCardSuit(v.Bottom(fnFila(i - 8))))
        return false;
      return c.Empty() ? rank == ownBase : fnIsDownOrWrapDown(t, m) && rank != kQueen;
    case TBuildCode::UpRoundAfterFirstFull:
      if (i > 0 && v.Count(fnDest(0)) != kSuitSize) return false;
      return c.Empty() ? rank == ownBase : fnIsUpOrWrapUp(t, m);
    case TBuildCode::DownEmptyFromStock:
      if (!c.Empty()) return fnIsDown(t, m) || (v.Rule(rule::kTableauWrap + i) == 1 && fnIsWrapDown(t, m));
      return !c.FromReserve() && !c.FromTableau() && (rank == c.rule.emptyRule || c.rule.emptyRule == -1);
    case TBuildCode::UpSameColourFromWaste: {
      const bool fits =
          c.Empty() ? rank == c.rule.emptyRule || c.rule.emptyRule == -1 : fnIsUp(t, m) && fnSameColour(t, m);
      const int waste = v.Count(kMazzoVis);
      return fits && waste <= 1 && (waste == 0 || m == v.Top(kMazzoVis));
    }
    case TBuildCode::SameRankFromRight: return !c.Empty() && rank == targetRank && c.SourceTableau() >= i;
    case TBuildCode::UpOrDownOnceStockEmpty: return v.IsEmpty(kMazzo) && fnIsStepWithWrap(t, m);
    case TBuildCode::CornerFoundations:
    case TBuildCode::CornerFoundationsToo:
      if (!v.IsEmpty(kMazzo) && c.FromTableauRange(4, 7) && c.SourceTableau() - 4 != i) return false;
      if (c.Empty()) {
        const bool corner = (i <= 1 && rank == kAce) || (i >= 2 && i <= 3 && rank == kKing);
        return corner && fnCornerFoundationAccepts(v, m, i);
      }
      return inSuit && (upward ? fnIsUp(t, m) : fnIsDown(t, m));
    case TBuildCode::PartnerFoundations: return fnPartnerAccepts(v, m, t, i);
    case TBuildCode::SameSuitHalvesApartFirstRound:
      if (c.context.redealRound <= 1 && ((c.FromTableauRange(0, 3) && i > 3) || (c.FromTableauRange(6, 9) && i <= 3))) {
        return false;
      }
      return (c.Empty() || inSuit) && fnStandardBuild(c, code);
    case TBuildCode::OutsideCardFillsEmpty: return fnOutsideCardFillsEmpty(v, m, i);
    case TBuildCode::UpOrDownRoundOnCards: return !c.Empty() && fnIsStepWithWrap(t, m);
    case TBuildCode::OntoEmptyOnly: return c.Empty();
    case TBuildCode::GridNeighbour: return c.Empty() && FromGridStep(c, v.Rule(rule::kGridRowWidth), 1, false);
    case TBuildCode::GridJump: return c.Empty() && FromGridStep(c, v.Rule(rule::kGridRowWidth), 2, true);
    case TBuildCode::JokerFoundation: return fnJokerFoundationAccepts(c, false);
    case TBuildCode::JokerStartsFoundation: return fnJokerFoundationAccepts(c, true);
    case TBuildCode::RankOfPile: return rank == i + 1;
    case TBuildCode::LowerRank: return c.Empty() || rank < targetRank;
    case TBuildCode::RanksInFours: return c.Empty() ? rank == kAce : rank == c.DestinationCount() / 4 + 1;
    case TBuildCode::UpInSuitAceOnKing: return c.Empty() ? rank == kAce : targetRank == kKing ? rank == kAce : upInSuit;
    case TBuildCode::UpRoundThirteenthFromReserve:
      // The thirteenth card comes from reserve i, and only the thirteenth may.
      if ((c.DestinationCount() == kSuitSize - 1) != (c.SourceReserve() == i)) return false;
      return c.Empty() ? rank == ownBase : fnIsUpOrWrapUp(t, m);
    case TBuildCode::RoundInSuitNotFromTableau:
    case TBuildCode::RoundInSuitOntoReserve:
      return !c.FromTableau() && (c.Empty() || (inSuit && fnIsStepWithWrap(t, m)));
    case TBuildCode::DistinctSuitsOnceStockEmpty:
      if (!v.StockAndWasteEmpty()) return false;
      return (c.Empty() ? QuartetSuitsDistinct(c, -1) : inSuit) && fnStandardBuild(c, code);
    case TBuildCode::DownRoundUntilHome: {
      const TPileRef own = fnDest(i);
      const bool resting = fnCardRank(v.Top(own)) == i + 1 && (i != 6 || v.Count(own) == kSuitSize);
      return !resting && fnIsDownOrWrapDown(t, m);
    }
    case TBuildCode::UpSuitCycle: return c.Empty() ? rank == kAce : fnIsUp(t, m) && NextSuitInCycle(t, m);
    case TBuildCode::DownSuitCycle: return c.Empty() || (fnIsDown(t, m) && NextSuitInCycle(t, m));
    case TBuildCode::LearnedStep: return fnLearnedStepAccepts(c);
    case TBuildCode::AceOnly: return rank == kAce;
    case TBuildCode::HomeRank: return fnHomeRankAccepts(c);
    case TBuildCode::DownOtherColourReleased:
      if (!ReleasedFromReserve(c)) return false;
      if (!c.Empty()) return fnOtherColour(t, m) && fnIsDownOrWrapDown(t, m);
      return !c.FromTableau() && (!c.FromWaste() || v.AllReservesEmpty());
    case TBuildCode::UpInSuitReleased:
      if (!ReleasedFromReserve(c)) return false;
      return c.Empty() ? rank == kAce : inSuit && fnIsUpOrWrapUp(t, m);
    case TBuildCode::SameSuitDistinctStart:
      return (!c.Empty() || QuartetSuitsDistinct(c, i)) && fnStandardBuild(c, TBuildCode::SameSuit);
    case TBuildCode::SumWithPartner: {
      if (c.Empty()) return rank == ownBase;
      const int partner = i - v.Foundations() / 2;
      // The first half of the foundations has no partner to add.
      if (c.DestinationCount() >= kSuitSize - 1 || partner < 0) return false;
      const int sum = fnCardRank(v.Bottom(fnDest(partner))) + targetRank;
      return rank == (sum > kKing ? sum - kSuitSize : sum);
    }
    case TBuildCode::UpInSuitSevenOnAce:
      return c.Empty() ? rank == ownBase : inSuit && (fnIsUp(t, m) || (rank == kSeven && targetRank == kAce));
    case TBuildCode::UpInSuitFromFrontRow:
      return c.FromTableauRange(0, 7) && (c.Empty() ? rank == kAce : upInSuit) && fnRowTestPasses(c);
    case TBuildCode::RowFeed: return fnRowFeedAccepts(c);
    case TBuildCode::SideRow: return fnSideRowAccepts(c);
    case TBuildCode::LearnedDirection: return fnLearnedDirectionAccepts(c);
    case TBuildCode::UpInSuitNotOnPileRank:
      if ((i == 0 && targetRank == kQueen) || (i >= 1 && i <= 11 && targetRank == i)) return false;
      return inSuit && fnIsUpOrWrapUp(t, m);
    case TBuildCode::DownRoundInSuitOnCards: return !c.Empty() && inSuit && fnIsDownOrWrapDown(t, m);
    case TBuildCode::TwoUpInSuitFromBase: return c.Empty() ? rank == ownBase : inSuit && rank == targetRank + 2;
    case TBuildCode::RoundInSuitOnceStockEmpty:
      return v.IsEmpty(kMazzo) && (c.Empty() || (inSuit && fnIsStepWithWrap(t, m)));
    case TBuildCode::UpInSuitUnblocked: return !fnBlockedByRowBelow(c) && upInSuit;
    case TBuildCode::AcesInOrderThenSeven:
      if (!c.FromTableau() || (rank != kAce && c.SourceTableau() != i)) return false;
      if (c.Empty()) {
        for (int f = 0; f < i; ++f) {
          if (v.IsEmpty(fnDest(f))) return false;
        }
        return rank == kAce;
      }
      return inSuit && (c.DestinationCount() == 1 ? rank == kSeven : fnIsUp(t, m));
    case TBuildCode::InSuitNotFromSecondRow:
    case TBuildCode::InSuitUncovered:
      if (code == TBuildCode::InSuitNotFromSecondRow ? c.FromTableauRange(8, 15) : CoveredFromBelow(c)) return false;
      if (!c.Empty()) return inSuit && (upward ? fnIsUp(t, m) : fnIsDown(t, m));
      return rank == ownBase && QuartetSuitsDistinct(c, i);
    case TBuildCode::UpOrDownInSuitFrontRow:
      if (c.FromTableauRange(8, 15) || (i >= 8 && i <= 15)) return false;
      return c.Empty() || (inSuit && fnIsUpOrDown(t, m));
    case TBuildCode::GridFill: return fnGridStepAccepts(v, c.context, i);
    case TBuildCode::TwoRowFoundation: return fnTwoRowFoundationAccepts(c);
    case TBuildCode::TwoRowTableau: return fnTwoRowTableauAccepts(c);
    case TBuildCode::GridOfThreeNeighbour: return FromGridStep(c, 3, 1, false) && (c.Empty() || fnIsStepWithWrap(t, m));
    case TBuildCode::PyramidFeed: return fnPyramidFeedAccepts(c);
    case TBuildCode::UpRoundAfterPreviousFull:
      if (i > 0 && v.Count(fnDest(i - 1)) < kSuitSize) return false;
      return c.Empty() ? rank == c.rule.baseRank : fnIsUpOrWrapUp(t, m);
    case TBuildCode::KingOverFoundation: {
      if (!c.Empty() || i < 8) return false;
      const TPileRef below = fnDest(i - 8);
      return !v.IsEmpty(below) && rank == kKing && fnCardSuit(m) == fnCardSuit(v.Bottom(below));
    }
    case TBuildCode::DownInSuitFromJack: return c.Empty() ? rank == kJack : inSuit && fnIsDown(t, m);
    case TBuildCode::SideBySideFoundationsToo: return fnParallelFoundationAccepts(v, m, i, false);
    case TBuildCode::BaseRankAlternating:
      if (rank != c.rule.baseRank) return false;
      return c.Empty() ? fnCardSuit(m) == c.context.familyValue : fnOtherColour(t, m);
    case TBuildCode::SpecialRankFoundation: {
      const int special = v.Rule(rule::kSpecialRank);
      if (i == 4) return rank == special;
      if (rank == special) return false;
      if (!c.Empty()) return inSuit && (upward ? fnIsUpOrWrapUp(t, m) : fnIsDownOrWrapDown(t, m));
      const int first = i > 3 ? 5 : 0;
      return rank == ownBase && FoundationSuitsDistinct(v, first, first + 1, first + 2, first + 3, i, m);
    }
    case TBuildCode::UpRoundInSuitToThirteen:
      if (c.Empty()) return fnStandardBuild(c, code);
      return c.DestinationCount() < kSuitSize && inSuit && fnIsUpOrWrapUp(t, m);
    case TBuildCode::SameRank: return c.Empty() || rank == targetRank;
    case TBuildCode::UpRoundInSuitTwoRounds:
      if (c.Empty()) return rank == kAce && FoundationSuitsDistinct(v, 0, 1, 2, 3, i, m);
      return c.DestinationCount() <= 2 * kSuitSize && inSuit && fnIsUpOrWrapUp(t, m);
    case TBuildCode::SharedSuitFoundations: return fnSharedSuitFoundationAccepts(c);
    case TBuildCode::RoundInSuitOnCardsOnceStockEmpty:
      return v.IsEmpty(kMazzo) && !c.Empty() && inSuit && fnIsStepWithWrap(t, m);
    case TBuildCode::CellsThenUpOrDownInSuit:
      if (i <= 3) return !c.FromTableau() && c.Empty();
      if (c.FromTableauRange(0, 3) || (c.FromReserve() && !v.AnyTableauEmpty(4, 8))) return false;
      return c.Empty() || (inSuit && fnIsUpOrDown(t, m));
    case TBuildCode::UpAfterPreviousFull:
      if (!c.Empty()) return fnIsUp(t, m);
      return rank == kAce && (i == 0 || v.Count(fnDest(i - 1)) >= kSuitSize);
    case TBuildCode::TwoDownRound:
      return c.Empty() || targetRank == rank + 2 || (targetRank == kAce && rank == kQueen) ||
             (targetRank == kTwo && rank == kKing);
    case TBuildCode::CrossRows:
      if (c.Empty()) return c.FromWaste();
      if (c.FromFoundation()) return false;
      return i > 0 ? fnIsUp(t, m) && c.SourceTableau() != 0 : fnIsDown(t, m) && !c.FromTableauRange(1, 3);
    case TBuildCode::KingsBesideAceFoundation: {
      const TPileRef first = fnDest(0);
      if (i > 0 && !v.IsEmpty(first) && fnCardSuit(m) == fnCardSuit(v.Bottom(first))) return false;
      if (!c.Empty()) return i > 0 ? fnIsDown(t, m) : upInSuit;
      if (i > 0) return rank == kKing;
      bool opening = true;
      for (int f = 0; f <= 3; ++f) opening = opening && v.Count(fnDest(f)) <= 1;
      return rank == kAce && (!opening || FoundationSuitsDistinct(v, 0, 1, 2, 3, i, m));
    }
    case TBuildCode::OtherColourAfterFoundationsFull:
      if (i > 3 && c.Empty()) {
        int complete = 0;
        for (int f = 0; f < v.Foundations(); ++f) complete += v.Count(fnDest(f)) >= kSuitSize ? 1 : 0;
        if (complete < i - 3) return false;
      }
      return fnStandardBuild(c, TBuildCode::OtherColour);
    case TBuildCode::NotFromTableauUpToFour:
      return !c.FromTableau() && c.DestinationCount() <= 4 && (c.Empty() || fnIsUpOrDown(t, m));
    case TBuildCode::InnerGridFoundation: return fnInnerGridFoundationAccepts(c);
    case TBuildCode::InnerGridTableau: return fnInnerGridTableauAccepts(c);
    case TBuildCode::UpInSuitToTenAlternating: {
      if (!c.Empty()) return upInSuit && c.DestinationCount() < 10;
      int firstEmpty = 0;
      while (firstEmpty < v.Foundations() && !v.IsEmpty(fnDest(firstEmpty))) ++firstEmpty;
      return rank == kAce && (firstEmpty == 0 || fnOtherColour(v.Bottom(fnDest(firstEmpty - 1)), m));
    }
    case TBuildCode::KingOnFourthOnly: return !c.FromTableau() && (i == 3 ? rank == kKing : rank != kKing);
    case TBuildCode::UpInSuitFromOwnPile:
      if (c.SourceTableau() != i && !v.IsEmpty(fnFila(i))) return false;
      return c.Empty() ? rank == kAce : upInSuit;
    case TBuildCode::DownInSuitLockedReserves:
    case TBuildCode::UpInSuitLockedReserves: {
      const int reserve = c.SourceReserve();
      if ((reserve == 0 || reserve == 1) && !v.IsEmpty(fnAppogg(2))) return false;
      if (code == TBuildCode::DownInSuitLockedReserves) return c.Empty() ? c.FromReserve() : inSuit && fnIsDown(t, m);
      return c.Empty() ? rank == kAce : upInSuit;
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
