#include "engine/pointer/play_moves.h"

#include <algorithm>

#include "engine/legality/move_legality.h"
#include "engine/pointer/hit_test.h"
#include "model/card.h"
#include "model/lift_codes.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
bool TPlayMoves::MovesAsGroup(int card) const {
  const TTableView view = View();
  const auto place = view.FindCard(card);
  return place && place->pile.group == TPileGroup::Fila && place->position < view.Count(place->pile) - 1;
}

bool TPlayMoves::WasteAccepts(int card, bool single) const {
  const int top = View().Top(kMazzoVis);
  if (Rule(rule::kWasteBuild) != 2 || !single || top <= 0 || card >= kFirstJoker || top >= kFirstJoker) return false;
  const int step = (fnCardRank(card) - fnCardRank(top) + 13) % 13;
  return fnCardSuit(card) == fnCardSuit(top) && (step == 1 || step == 12);
}

bool TPlayMoves::TryMoveTo(int card, bool single, TPileRef to, const std::optional<TRect>& dragged) {
  const TPileGeometry geometry = fnPileGeometry(state_);
  if (!geometry.OnTable(to)) return false;
  if (dragged && fnOverlapArea(*dragged, geometry.TopRect(to)) == 0) return false;
  const bool allowed = to == kMazzoVis ? WasteAccepts(card, single)
                                       : TMoveLegality(state_, executor_.MoveContext(single)).CanPlace(card, to);
  return allowed && executor_.ExecuteMove(card, TPileMove{to});
}

bool TPlayMoves::DropCard(int card, bool single, const TRect& dragged, std::optional<TPileRef> target) {
  std::vector<TPileRef> candidates =
      target ? std::vector<TPileRef>{*target} : fnFindDropCandidates(fnPileGeometry(state_), dragged);
  const auto notFoundation = [](TPileRef pile) { return pile.group != TPileGroup::Dest; };
  if (Rule(rule::kTableauToFoundationOnly) == 1 && state_.mainGame.Get(entries::kMoveCounter) == 0 &&
      fnLocatedInTableau(View().LocateCard(card))) {
    std::erase_if(candidates, notFoundation);
  }
  const TMoveLegality legality(state_, executor_.MoveContext(single));
  bool tableauHeldBack = false;
  if (legality.TableauWaitsForStock()) {
    tableauHeldBack = std::erase_if(candidates, [](TPileRef pile) { return pile.group == TPileGroup::Fila; }) > 0;
  }
  // The second click of click-click mode names its pile; it needs no overlap.
  const std::optional<TRect> overlap = target ? std::nullopt : std::optional<TRect>(dragged);
  for (const TPileRef pile : candidates) {
    if (TryMoveTo(card, single, pile, overlap)) return true;
  }
  if (tableauHeldBack) legality.ExplainTableauWaitsForStock();
  return false;
}

bool TPlayMoves::FoundationAllowed(int f) const {
  switch (Rule(rule::kReachableFoundations)) {
    case 0: return true;
    case 1: return !View().IsEmpty(fnDest(f));
    default: return false;
  }
}

bool TPlayMoves::TryEach(int card, bool single, const std::vector<TPileRef>& piles) {
  const auto place = View().FindCard(card);
  for (const TPileRef pile : piles) {
    if (place && place->pile == pile) continue;
    if (TryMoveTo(card, single, pile, std::nullopt)) return true;
  }
  return false;
}

bool TPlayMoves::MoveToBestPlace(int card, bool single, TMoveTargets targets) {
  const TTableView view = View();
  const auto place = view.FindCard(card);
  if (!place || view.IsFaceDown(card)) return false;
  if (place->pile.group != TPileGroup::Fila) single = true;
  state_.mainGame.Set(entries::kCardInHand, static_cast<int16_t>(card));
  state_.mainGame.Set(entries::kGroupTop, 0);

  std::vector<TPileRef> order;
  if (single && targets.foundations) {
    for (int f = 0; f < view.Foundations(); ++f) {
      if (FoundationAllowed(f)) order.push_back(fnDest(f));
    }
  }
  if (targets.tableau) {
    for (const bool holding : {true, false}) {
      for (int p = 0; p < view.TableauPiles(); ++p) {
        if (view.IsEmpty(fnFila(p)) != holding) order.push_back(fnFila(p));
      }
    }
  }
  if (single && targets.reserves) {
    for (int r = 0; r < view.Reserves(); ++r) order.push_back(fnAppogg(r));
  }
  if (targets.tableau) order.push_back(kMazzoVis);

  const bool moved = TryEach(card, single, order);
  state_.mainGame.Set(entries::kCardInHand, 0);
  state_.mainGame.Set(entries::kGroupTop, 0);
  return moved;
}

bool TPlayMoves::ClickMove(int card, bool toFoundations, bool toTableau) {
  const TTableView view = View();
  const auto place = view.FindCard(card);
  if (!place || view.IsFaceDown(card)) return false;
  const TPileRef pile = place->pile;
  const bool top = place->position == view.Count(pile) - 1;
  const TMoveLegality legality(state_, executor_.MoveContext(true));
  bool single = true;
  bool mayLeave = false;
  switch (pile.group) {
    case TPileGroup::Dest: {
      const auto takeBack = static_cast<TTakeBack>(Rule(rule::kFoundationTakeBack));
      mayLeave =
          top && (takeBack == TTakeBack::TopCard || (takeBack == TTakeBack::TopCardLeavingOne && view.Count(pile) > 1));
      break;
    }
    case TPileGroup::Mazzo: mayLeave = pile == kMazzoVis && top; break;
    case TPileGroup::Fila: {
      const bool releaseRows = Rule(rule::kReleaseRows) > 0 && Rule(rule::kReleaseRowPiles) > 0;
      single = top;
      mayLeave = top && !releaseRows ? true : legality.CanLeave(card);
      break;
    }
    case TPileGroup::Appogg:
      mayLeave = top || static_cast<TReserveLift>(Rule(rule::kReserveLiftRule)) == TReserveLift::AnyCard;
      break;
  }
  return mayLeave && MoveToBestPlace(card, single, {toFoundations, toTableau, true});
}

}  // namespace tablerun
