// A press on the stock, dispatched by the game's stock rules: a turn to the
// waste, a redeal, or a deal to the piles.
#pragma once

#include <vector>

#include "engine/executor/executor_state.h"
#include "engine/executor/redeal.h"
#include "engine/executor/stock_turn.h"

namespace tablerun {

class TStockPress {
 public:
  TStockPress(TExecutorState& exec, TMoveEntry& moves, TStockTurns& stockTurns, TRedeals& redeals)
      : exec_(exec), state_(exec.state), moves_(moves), stockTurns_(stockTurns), redeals_(redeals) {}

  // Inside the press's step.
  bool Press();
  // A turn of the stock, or the redeal a spent stock calls for.
  bool TurnOrRedeal(bool toSecondWaste);

 private:
  bool PressDealingStock();
  bool PressTurningStock();
  bool DealToShortPiles();
  // Several deals that count as one step for undo.
  // logStockTurn: the step advances the stock-turn counter.
  bool DealSteps(const std::vector<TStockOperation>& deals, bool logStockTurn);

  TExecutorState& exec_;
  TTablerunState& state_;
  TMoveEntry& moves_;
  TStockTurns& stockTurns_;
  TRedeals& redeals_;
};

}  // namespace tablerun
