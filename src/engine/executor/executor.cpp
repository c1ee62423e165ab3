#include "engine/executor/executor.h"

#include <algorithm>
#include <variant>

#include "engine/legality/move_legality.h"
#include "engine/state/tablerun_state.h"
#include "model/card.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
int TMoveExecutor::Rule(TRuleSlot slot) const {
  return state_.rules.Get(slot);
}
int TMoveExecutor::Entry(TMainGameEntry entry) const {
  return state_.mainGame.Get(entry);
}
void TMoveExecutor::SetEntry(TMainGameEntry entry, int value) {
  state_.mainGame.Set(entry, static_cast<int16_t>(value));
}
TTableView TMoveExecutor::View() const {
  return TTableView(state_.table, state_.rules, state_.cards);
}

void TMoveExecutor::PlaySound(TConfigField sound, const char* name) {
  if (state_.config.IsYes(sound)) state_.screen.PlaySound(name, false);
}

void TMoveExecutor::RecordUndo() {
  history_.RecordUndo(state_.table, state_.cards, state_.config);
}

void TMoveExecutor::UpdateWonFlag() {
  state_.runtime.SetFlag(TRuntimeFlag::GameJustWon, hooks_.isGameWon && hooks_.isGameWon());
}

bool TMoveExecutor::NormalPlay() const {
  return Entry(entries::kTutorMode) == 0;
}

void TMoveExecutor::StartGame() {
  history_.Clear();
  stockTurns_ = 0;
}

TMoveContext TMoveExecutor::MoveContext(bool singleCard) const {
  TMoveContext context = fnMoveContext(state_.mainGame, singleCard);
  context.stockTurns = stockTurns_;
  context.tableauMovesLogged = history_.undoLog.Count(TEventKind::TableauMove);
  context.drawLogged = history_.undoLog.Count(TEventKind::Draw) > 0;
  return context;
}

TMoveExecutor::TStep TMoveExecutor::EnterStep() {
  return {history_.BeginPlayerStep(), depth_++ == 0};
}

bool TMoveExecutor::LeavePlayerStep(const TStep& step, bool changed) {
  if (step.outermost && changed) {
    AutoFillEmptyPiles();
    if (autoplayActive_) RunAutoplay();
    history_.EndPlayerStep(step.mark);
  }
  --depth_;
  return changed;
}

void TMoveExecutor::LeaveAutomaticStep(const TStep& step) {
  if (step.outermost) history_.MergeLastUndoSteps(history_.undo.Size() - step.mark);
  --depth_;
}

bool TMoveExecutor::ExecuteMove(int cardOrCount, const TOperation& operation) {
  const TStep step = EnterStep();
  const bool changed = Run(cardOrCount, operation);
  if (changed) AfterChange(operation);
  if (Entry(entries::kTutorMode) != 0 && Entry(entries::kStatisticsEligible) == -1)
    SetEntry(entries::kStatisticsEligible, 0);
  return LeavePlayerStep(step, changed);
}

bool TMoveExecutor::Run(int cardOrCount, const TOperation& operation) {
  if (const auto* stock = std::get_if<TStockOperation>(&operation)) return RunStockOperation(*stock);
  return PutOnPile(cardOrCount, std::get<TPileMove>(operation));
}

bool TMoveExecutor::RunStockOperation(const TStockOperation& operation) {
  switch (operation.action) {
    case TStockAction::TurnToWaste:
      return TurnOrRedeal(false);
    case TStockAction::TurnToSecondWaste:
      return TurnOrRedeal(true);
    case TStockAction::GatheringRedeal:
      return GatheringRedeal();
    case TStockAction::RefillGaps:
      return RefillGapsFromStock(true);
    case TStockAction::CloseGaps:
      return CloseGapsInOrder();
    case TStockAction::DealTableaus:
    case TStockAction::DealAllTableaus:
    case TStockAction::DealTableau:
    case TStockAction::DealReserves:
    case TStockAction::DealReserve:
    case TStockAction::FillTableaus:
      return Deal(operation);
  }
  return false;
}

bool TMoveExecutor::PutOnPile(int card, const TPileMove& move) {
  const TPileRef to = move.to;
  if (!fnIsPileRef(to) || to == kMazzo) return false;
  // Until the first move a tableau card may go only to a foundation; the
  // legality test knows that rule.
  if (to.group != TPileGroup::Mazzo && to.group != TPileGroup::Dest &&
      Rule(rule::kTableauToFoundationOnly) == 1 && Entry(entries::kMoveCounter) == 0 &&
      !TMoveLegality(state_.table, state_.rules, state_.cards, MoveContext(true)).CanPlace(card, to)) {
    return false;
  }
  return MoveToPile(card, to, move.autoplay);
}

void TMoveExecutor::AfterChange(const TOperation& operation) {
  SetEntry(entries::kTutorChecking, 0);
  const int tutorMode = Entry(entries::kTutorMode);
  if (tutorMode == 0 || tutorMode == 3) history_.ClearRedo();
  const int counter = Entry(entries::kMoveCounter);
  if (counter <= 1) SetEntry(entries::kMoveCounter, counter + 1);
  if (Rule(rule::kFillPhase) == 1 && counter == 0) Run(1, TStockOperation{TStockAction::FillTableaus});
  const auto* stock = std::get_if<TStockOperation>(&operation);
  const bool stockTurn =
      stock && (stock->action == TStockAction::TurnToWaste || stock->action == TStockAction::TurnToSecondWaste);
  if (Entry(entries::kDealRunning) == 0 && Entry(entries::kStatisticsEligible) < 1 &&
      (stockTurn ? tutorMode == 0 : tutorMode != 3)) {
    SetEntry(entries::kStatisticsEligible, 1);
  }
  state_.screen.RequestRepaint();
}

std::optional<TCardPlace> TMoveExecutor::Locate(int card) const {
  if (const auto place = View().FindCard(card)) return place;
  const std::string& secondWaste = state_.table.Pile(kMazzoWaste);
  const std::string code = fnCardText(card);
  for (std::size_t at = 0; at + 3 <= secondWaste.size(); at += 3) {
    if (secondWaste.compare(at, 3, code) == 0) return TCardPlace{kMazzoWaste, static_cast<int>(at / 3)};
  }
  return std::nullopt;
}

std::string TMoveExecutor::Take(const TCardPlace& place, bool withCardsAbove) {
  std::string pile = state_.table.Pile(place.pile);
  const std::size_t at = static_cast<std::size_t>(place.position) * 3;
  const std::string taken = pile.substr(at, withCardsAbove ? std::string::npos : 3);
  pile.erase(at, taken.size());
  state_.table.SetPile(place.pile, pile);
  return taken;
}

void TMoveExecutor::Append(TPileRef pile, int card, TCardFace face) {
  state_.table.SetPile(pile, state_.table.Pile(pile) + fnCardText(card));
  if (card > 0) state_.cards.fnSetCardFace(card, face);
}

bool TMoveExecutor::MoveToPile(int card, TPileRef to, bool autoplay) {
  if (!fnIsPileRef(to)) return false;
  const auto place = Locate(card);
  if (!place || place->pile == to) return false;
  // Fan style 12 sends the cards above a tableau card to the foundation with it.
  const bool group =
      place->pile.group == TPileGroup::Fila &&
      (to.group == TPileGroup::Fila || (to.group == TPileGroup::Dest && Rule(rule::kTableauArrangement) == 12));
  RecordUndo();
  const std::string moved = Take(*place, group);
  for (std::size_t at = 0; at < moved.size(); at += 3) {
    Append(to, fnParseCardText(std::string_view(moved).substr(at, 3)).value_or(0), TCardFace::Up);
  }
  state_.screen.ShowCardsMoved(card, place->pile, place->position, to);
  const bool fromTableau = place->pile.group == TPileGroup::Fila;
  switch (to.group) {
    case TPileGroup::Fila:
      PlaySound(cfg::kSoundTableau, "Tableau");
      TransferCompletedRun(to.entry);
      if (fromTableau) TransferCompletedRun(place->pile.entry);
      break;
    case TPileGroup::Appogg:
      PlaySound(cfg::kSoundTableau, "Tableau");
      break;
    case TPileGroup::Dest:
      UpdateWonFlag();
      if (autoplay) {
        PlaySound(cfg::kSoundAutoplay, "Autoplay");
      } else {
        PlaySound(cfg::kSoundFoundation, "Foundation");
      }
      if (Rule(rule::kSortFoundations) == 1) SortFoundation(to);
      break;
    case TPileGroup::Mazzo:
      break;
  }
  // With Autoplay on, its rounds turn the cards up.
  if (fromTableau && !autoplayActive_) TurnUpTableauTops();
  return true;
}

void TMoveExecutor::SortFoundation(TPileRef pile) {
  const std::string& text = state_.table.Pile(pile);
  std::vector<std::string> codes;
  for (std::size_t at = 0; at < text.size(); at += 3) codes.push_back(text.substr(at, 3));
  if (codes.size() < 2) return;
  std::stable_sort(codes.begin(), codes.end());
  std::string sorted;
  for (const std::string& code : codes) sorted += code;
  state_.table.SetPile(pile, sorted);
  // The foundation's sounds follow the foundation sound's switch.
  PlaySound(cfg::kSoundFoundation, "Reorder");
}

}  // namespace tablerun
