// Redeals: the waste turned over into the stock, and the gathering redeals
// that take the tableau in and deal it again by redeal style (rule slot 17).
#pragma once

#include <vector>

#include "engine/executor/executor_state.h"
#include "engine/executor/redeal_deal_back.h"
#include "engine/executor/redeal_steps.h"
#include "engine/executor/stock_turn.h"

namespace tablerun {

class TRedeals {
 public:
  TRedeals(TExecutorState& exec, TStockTurns& stockTurns)
      : exec_(exec), state_(exec.state), dealBack_(exec), steps_(exec, stockTurns) {}

  // The game's number of deals is not used up.
  bool RedealAllowed() const;
  // A redeal takes two presses: the first marks the stock (TMainGame entry
  // 93), the second, on release, redeals.
  bool TurnOverRedeal();
  bool GatheringRedeal();
  // The waste back onto the stock, to be turned again.
  void PourWasteIntoStock();

 private:
  // False when the style found nothing to move.
  bool GatherRedeal();

  TExecutorState& exec_;
  TTablerunState& state_;
  TRedealDealBack dealBack_;
  TRedealSteps steps_;
};

}  // namespace tablerun
