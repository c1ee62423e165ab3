// The entry points of move legality: dispatch by pile name, the per-kind
// checks of foundations and tableau piles, and what may leave a pile.
#include "engine/legality/move_legality.h"

#include "engine/legality/family_predicates.h"
#include "engine/state/tablerun_state.h"
#include "model/group_codes.h"
#include "model/lift_codes.h"
#include "model/rule_slots.h"

namespace tablerun {

namespace {

constexpr int kFamilyTableauTurns = 23;
constexpr int kFamilyFaceDownTargets = 40;

}  // namespace

TMoveLegality::TMoveLegality(const TTable& table, const TGameRules& rules, const TCardStatusTable& cards,
                             const TMoveContext& context, TScreen* explainTo)
    : view_(table, rules, cards), context_(context), screen_(explainTo) {}

TMoveLegality::TMoveLegality(const TTablerunState& state, const TMoveContext& context)
    : TMoveLegality(state.table, state.rules, state.cards, context, &state.screen) {}

void TMoveLegality::Explain(TMessageKind kind, const char* text) const {
  if (screen_ != nullptr) screen_->ShowMessage(kind, text);
}

bool TMoveLegality::CanPlace(int card, std::string_view pileName) const {
  const auto pile = fnParsePileName(pileName);
  return pile && CanPlace(card, *pile);
}

bool TMoveLegality::CanPlace(int card, TPileRef pile) const {
  if (card < 1 || card > kCardCount || !fnIsPileRef(pile)) return false;
  // A card is never dropped on itself, whatever the pile's code would allow.
  if (view_.Top(pile) == card) return false;
  // Until the first move, a tableau card may go only to a foundation.
  if (pile.group != TPileGroup::Dest && Rule(rule::kTableauToFoundationOnly) == 1 && context_.moveCounter == 0 &&
      fnLocatedInTableau(LocateCard(card))) {
    return false;
  }
  switch (pile.group) {
    case TPileGroup::Dest: return pile.entry < view_.Foundations() && CanPlaceOnFoundation(pile.entry, card);
    case TPileGroup::Fila: return pile.entry < view_.TableauPiles() && CanPlaceOnTableau(pile.entry, card);
    case TPileGroup::Appogg: return pile.entry < view_.Reserves() && CanPlaceOnReserve(pile.entry, card);
    case TPileGroup::Mazzo: return false;
  }
  return false;
}

bool TMoveLegality::CanPlaceOnFoundation(int i, int card) const {
  if (i < 0 || i >= fnPileGroupSize(TPileGroup::Dest)) return false;
  if (Rule(rule::kFamily) == kFamilyTableauTurns && fnLocatedInTableau(LocateCard(card)) &&
      !fnTableauMoveReleases(view_, context_)) {
    return false;
  }
  if (!context_.singleCard) return false;
  const TPileRef pile = fnDest(i);
  const TBuildCode code = fnBuildCode(Rule(rule::kFoundationBuild + i));
  // Two codes decide before the foundation's capacity is looked at.
  if (code == TBuildCode::QueenOnEmpty) return fnCardRank(card) == kQueen && view_.IsEmpty(pile);
  if (code == TBuildCode::SuitStillOnTableau) {
    if (fnCardRank(card) == kAce) return false;
    for (int p = 0; p < view_.TableauPiles(); ++p) {
      const int top = view_.Top(fnFila(p));
      if (top > 0 && fnCardSuit(top) == fnCardSuit(card) &&
          (fnCardRank(top) > fnCardRank(card) || fnCardRank(top) == kAce)) {
        return true;
      }
    }
    return false;
  }
  const int held = view_.Count(pile);
  if (code != TBuildCode::UpUncapped && code != TBuildCode::RiseAndFall && held >= Rule(rule::kFoundationCapacity))
    return false;
  if (code == TBuildCode::UpUncapped && held >= kDeckSize) return false;
  return CheckBuild(view_.Target(pile), card, FoundationRule(i));
}

bool TMoveLegality::CanPlaceOnTableau(int i, int card) const {
  if (i < 0 || i >= fnPileGroupSize(TPileGroup::Fila)) return false;
  const TPileRef pile = fnFila(i);
  const int target = view_.Target(pile);
  if (target > 0 && view_.IsFaceDown(target) && Rule(rule::kFamily) != kFamilyFaceDownTargets) return false;
  const int capacity = Rule(rule::kTableauCapacity);
  if (capacity != -1 && view_.Count(pile) >= capacity) return false;
  const bool group = !context_.singleCard;
  const TPileRule pileRule = TableauRule(i, fnBuildCode(Rule(rule::kTableauBuild + i)), true);
  bool ok = CheckBuild(target, card, pileRule);
  if (pileRule.buildCode == TBuildCode::DownSingleCards && !view_.IsEmpty(pile) && group) ok = false;
  if (ok && group && static_cast<TGroupRule>(Rule(rule::kGroupRule)) != TGroupRule::Any) ok = IsValidGroup(card, i);
  if (ok && group && static_cast<TGroupLimit>(Rule(rule::kGroupLimit)) == TGroupLimit::FreeCellsAndPilesPlusOne &&
      view_.IsEmpty(pile)) {
    ok = GroupFitsLimit(card, true);
  }
  // A group is never dropped on itself.
  return ok && !(target > 0 && target == context_.draggedTopCard);
}

TPileRule TMoveLegality::FoundationRule(int i) const {
  const int base = Rule(rule::kFoundationBase + i);
  return {.emptyRule = base,
          .baseRank = base,
          .direction = Rule(rule::kFoundationDirection + i),
          .buildCode = fnBuildCode(Rule(rule::kFoundationBuild + i)),
          .toFoundation = true,
          .wrapAllowed = true,
          .pileIndex = i,
          .strict = true};
}

TPileRule TMoveLegality::TableauRule(int i, TBuildCode buildCode, bool strict) const {
  return {.emptyRule = Rule(rule::kTableauEmpty + i),
          .baseRank = Rule(rule::kFoundationBase),
          .direction = Rule(rule::kTableauDirection + i),
          .buildCode = buildCode,
          .toFoundation = false,
          .wrapAllowed = Rule(rule::kTableauWrap + i) > 0,
          .pileIndex = i,
          .strict = strict};
}

bool TMoveLegality::CanLeave(int card) const {
  const auto place = view_.FindCard(card);
  if (!place || view_.IsFaceDown(card)) return false;
  const TPileRef pile = place->pile;
  const int entry = pile.entry;
  const bool top = place->position == view_.Count(pile) - 1;
  switch (pile.group) {
    case TPileGroup::Mazzo: return pile == kMazzoVis && top && Rule(rule::kWasteFaceDown) == 0;
    case TPileGroup::Dest:
      switch (static_cast<TTakeBack>(Rule(rule::kFoundationTakeBack))) {
        case TTakeBack::TopCard: return top;
        case TTakeBack::TopCardLeavingOne: return top && view_.Count(pile) >= 2;
        case TTakeBack::TopJoker: return top && card >= kFirstJoker;
        default: return false;
      }
    case TPileGroup::Appogg:
      switch (static_cast<TReserveLift>(Rule(rule::kReserveLiftRule))) {
        case TReserveLift::AnyCard: return true;
        case TReserveLift::ReleasedByFamily: return top && fnReserveIsFree(view_, entry);
        case TReserveLift::FreeAtRowSide: return top && IsFreeAtRowSide(card);
        default: return top;
      }
    case TPileGroup::Fila: {
      // Grid cells (fans 8 and 9) and fan 12 give up any card the group limit takes.
      const int fan = Rule(rule::kTableauArrangement);
      if (fan == 8 || fan == 9 || fan == 12) return GroupFitsLimit(card, false);
      const int rows = Rule(rule::kReleaseRows);
      const int rowPiles = Rule(rule::kReleaseRowPiles);
      if (rows >= 1 && rowPiles >= 1 && entry < rows * rowPiles) return top && fnRowReleases(view_, entry);
      if (!top && static_cast<TGroupRule>(Rule(rule::kGroupRule)) != TGroupRule::Any && !IsValidGroup(card, entry)) {
        return false;
      }
      return GroupFitsLimit(card, false);
    }
  }
  return false;
}

bool TMoveLegality::TableauWaitsForStock() const {
  return fnBuildCode(Rule(rule::kTableauBuild)) == TBuildCode::RoundInSuitOnCardsOnceStockEmpty &&
         !view_.IsEmpty(kMazzo);
}

void TMoveLegality::ExplainTableauWaitsForStock() const {
  if (context_.tutorMode == 0) {
    Explain(TMessageKind::Information, "Building on the tableau is allowed only when the stock is empty.");
  }
}

}  // namespace tablerun
