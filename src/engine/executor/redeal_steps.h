// Redeal styles with a step of their own, which deal nothing back.
#pragma once

#include "engine/executor/executor_state.h"
#include "engine/executor/stock_turn.h"

namespace tablerun {

class TRedealSteps {
 public:
  TRedealSteps(TExecutorState& exec, TStockTurns& stockTurns)
      : exec_(exec), state_(exec.state), stockTurns_(stockTurns) {}

  // Styles 4, 5, 11 and 16: the tableau onto the stock or the waste.
  bool OntoStockGroup(int style);
  // Style 7.
  bool BottomCardsToTop();
  // Style 13.
  bool Sow();
  // Style 19.
  bool PassTopCards();
  // Style 20.
  bool WasteToReserves();

 private:
  TExecutorState& exec_;
  TTablerunState& state_;
  TStockTurns& stockTurns_;
};

}  // namespace tablerun
