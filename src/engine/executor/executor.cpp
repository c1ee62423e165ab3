#include "engine/executor/executor.h"

#include <variant>

#include "engine/state/tablerun_state.h"

namespace tablerun {

void TMoveExecutor::StartGame() {
  exec_.history.Clear();
  exec_.stockTurns = 0;
}

bool TMoveExecutor::LeavePlayerStep(const TExecutorState::TStep& step, bool changed) {
  if (step.outermost && changed) {
    autoFill_.AutoFillEmptyPiles();
    if (exec_.autoplayActive) autoplay_.RunAutoplay();
    exec_.history.EndPlayerStep(step.mark);
  }
  exec_.LeaveStep();
  return changed;
}

bool TMoveExecutor::ExecuteMove(int cardOrCount, const TOperation& operation) {
  const TExecutorState::TStep step = exec_.EnterStep();
  const bool changed = Run(cardOrCount, operation);
  if (changed) AfterChange(operation);
  if (exec_.Entry(entries::kTutorMode) != 0 && exec_.Entry(entries::kStatisticsEligible) == -1)
    exec_.SetEntry(entries::kStatisticsEligible, 0);
  return LeavePlayerStep(step, changed);
}

bool TMoveExecutor::PressStock() {
  const TExecutorState::TStep step = exec_.EnterStep();
  return LeavePlayerStep(step, stockPress_.Press());
}

bool TMoveExecutor::Run(int cardOrCount, const TOperation& operation) {
  if (const auto* stock = std::get_if<TStockOperation>(&operation)) return RunStockOperation(*stock);
  return cardMoves_.Put(cardOrCount, std::get<TPileMove>(operation));
}

bool TMoveExecutor::RunStockOperation(const TStockOperation& operation) {
  switch (operation.action) {
    case TStockAction::TurnToWaste: return stockPress_.TurnOrRedeal(false);
    case TStockAction::TurnToSecondWaste: return stockPress_.TurnOrRedeal(true);
    case TStockAction::GatheringRedeal: return redeals_.GatheringRedeal();
    case TStockAction::RefillGaps: return gaps_.RefillFromStock();
    case TStockAction::CloseGaps: return gaps_.CloseGapsInOrder();
    case TStockAction::DealTableaus:
    case TStockAction::DealAllTableaus:
    case TStockAction::DealTableau:
    case TStockAction::DealReserves:
    case TStockAction::DealReserve:
    case TStockAction::FillTableaus: return rowDeals_.Deal(operation);
  }
  return false;
}

void TMoveExecutor::AfterChange(const TOperation& operation) {
  exec_.SetEntry(entries::kTutorChecking, 0);
  const int tutorMode = exec_.Entry(entries::kTutorMode);
  if (tutorMode == 0 || tutorMode == 3) exec_.history.ClearRedo();
  const int counter = exec_.Entry(entries::kMoveCounter);
  if (counter <= 1) exec_.SetEntry(entries::kMoveCounter, counter + 1);
  if (exec_.Rule(rule::kFillPhase) == 1 && counter == 0) Run(1, TStockOperation{TStockAction::FillTableaus});
  const auto* stock = std::get_if<TStockOperation>(&operation);
  const bool stockTurn =
      stock && (stock->action == TStockAction::TurnToWaste || stock->action == TStockAction::TurnToSecondWaste);
  if (exec_.Entry(entries::kDealRunning) == 0 && exec_.Entry(entries::kStatisticsEligible) < 1 &&
      (stockTurn ? tutorMode == 0 : tutorMode != 3)) {
    exec_.SetEntry(entries::kStatisticsEligible, 1);
  }
  exec_.state.screen.RequestRepaint();
}

}  // namespace tablerun
