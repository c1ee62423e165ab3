// Moving several cards at once: whether a group is built properly (rule slot
// 2), how many cards may move together (rule slot 14), and the side-free test
// of games whose rows are cleared from their outer ends.
#include <algorithm>

#include "engine/legality/build_case.h"
#include "model/group_codes.h"
#include "model/rule_slots.h"

namespace tablerun {

namespace {

constexpr int kRedealRoundOfDraw = 3;

// Cards from `position` to the top of the pile.
int CardsFrom(const TTableView& view, const TCardPlace& place) { return view.Count(place.pile) - place.position; }

int EmptyTableauPiles(const TTableView& view) {
  int empty = 0;
  for (int p = 0; p < view.TableauPiles(); ++p) empty += view.IsEmpty(fnFila(p)) ? 1 : 0;
  return empty;
}

int EmptyReserves(const TTableView& view) {
  int empty = 0;
  for (int r = 0; r < view.Reserves(); ++r) empty += view.IsEmpty(fnAppogg(r)) ? 1 : 0;
  return empty;
}

// Rule slot 14 = −16: a card of a grid row with nothing but holes on one side.
bool AtEdgeOfItsCells(const TTableView& view, const TCardPlace& place) {
  const int count = view.Count(place.pile);
  bool holesBefore = true;
  bool holesAfter = true;
  for (int p = 0; p < count; ++p) {
    if (p < place.position) holesBefore = holesBefore && view.CardAt(place.pile, p) == 0;
    if (p > place.position) holesAfter = holesAfter && view.CardAt(place.pile, p) == 0;
  }
  return holesBefore || holesAfter;
}

}  // namespace

bool fnOuterSideEmpty(const TTableView& view, int p) {
  if (p < 0 || p >= fnPileGroupSize(TPileGroup::Fila)) return false;
  const int rowStart = p / 10 * 10;
  const bool leftHalf = p - rowStart < 5;
  const int first = leftHalf ? rowStart : p + 1;
  const int last = leftHalf ? p - 1 : rowStart + 9;
  return !view.AnyTableauHolds(first, last);
}

bool TMoveLegality::IsFreeAtRowSide(int card) const {
  const auto place = view_.FindCard(card);
  if (!place) return true;
  const int entry = place->pile.entry;
  if (place->pile.group == TPileGroup::Fila) return fnOuterSideEmpty(view_, entry);
  if (place->pile.group != TPileGroup::Appogg || entry >= 10) return true;
  // Reserves 0–4 open toward reserve 0, reserves 5–9 toward reserve 9.
  const int first = entry < 5 ? 0 : entry + 1;
  const int last = entry < 5 ? entry - 1 : 9;
  for (int r = first; r <= last; ++r) {
    if (!view_.IsEmpty(fnAppogg(r))) return false;
  }
  return true;
}

bool TMoveLegality::IsValidGroup(int card, int tableauIndex) const {
  if (tableauIndex < 0 || tableauIndex >= fnPileGroupSize(TPileGroup::Fila)) return false;
  const auto place = view_.FindCard(card);
  if (!place) return false;
  const int count = view_.Count(place->pile);
  if (place->position == count - 1) return true;
  TBuildCode code = TBuildCode::SameSuit;
  switch (static_cast<TGroupRule>(Rule(rule::kGroupRule))) {
    case TGroupRule::Any: return true;
    case TGroupRule::PileBuildCode: code = fnBuildCode(Rule(rule::kTableauBuild + tableauIndex)); break;
    case TGroupRule::SameSuit: code = TBuildCode::SameSuit; break;
    case TGroupRule::SameColour: code = TBuildCode::SameColour; break;
    case TGroupRule::AfterLastRedeal: return context_.redealRound == kRedealRoundOfDraw;
    default: return false;
  }
  const TPileRule rule = TableauRule(tableauIndex, code, false);
  for (int p = place->position; p + 1 < count; ++p) {
    if (!CheckBuild(view_.CardAt(place->pile, p), view_.CardAt(place->pile, p + 1), rule)) return false;
  }
  return true;
}

bool TMoveLegality::GroupFitsLimit(int card, bool toEmptyPile) const {
  const auto place = view_.FindCard(card);
  const int size = place ? CardsFrom(view_, *place) : 1;
  const bool inTableau = place && place->pile.group == TPileGroup::Fila;
  const int limit = Rule(rule::kGroupLimit);
  const auto kind = static_cast<TGroupLimit>(limit);
  switch (kind) {
    case TGroupLimit::Unlimited: return true;
    case TGroupLimit::KingOrSingle: return size == 1 || fnCardRank(card) == kKing;
    case TGroupLimit::WholePileOrSingle: return inTableau && (size == 1 || size == view_.Count(place->pile));
    case TGroupLimit::FreeAtRowSide: return IsFreeAtRowSide(card);
    case TGroupLimit::EdgeOfCells:
      return inTableau && (place->position == 0 || size == 1 || AtEdgeOfItsCells(view_, *place));
    case TGroupLimit::SingleOrDraw:
      if (size == 1) return true;
      // The lift of a group asks for the single Draw, which pointer input carries out.
      if (context_.tutorMode == 0 && context_.redealRound != kRedealRoundOfDraw) {
        Explain(TMessageKind::Information, "The Draw is allowed after the last Redeal.");
      } else if (context_.tutorMode == 0 && context_.familyValue != 0) {
        Explain(TMessageKind::Information, "Only one Draw is permitted.");
      }
      return false;
    case TGroupLimit::FreeCellsAndPilesPlusOne:
    case TGroupLimit::FreeCellsAndPiles: {
      const int freeCells = EmptyReserves(view_);
      const int emptyPiles = EmptyTableauPiles(view_);
      if (emptyPiles == 0) return size <= freeCells + 1;
      const int extra = kind == TGroupLimit::FreeCellsAndPilesPlusOne && !toEmptyPile ? 1 : 0;
      return size <= freeCells + emptyPiles + extra;
    }
    default:
      if (limit < 0) return size <= std::max(EmptyTableauPiles(view_), 1);
      return size <= limit;
  }
}

}  // namespace tablerun
