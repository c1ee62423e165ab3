// Turning cards from the stock to the waste or the second waste.
#pragma once

#include "engine/executor/executor_state.h"
#include "engine/executor/row_deals.h"

namespace tablerun {

class TStockTurns {
 public:
  TStockTurns(TExecutorState& exec, TRowDeals& rowDeals) : exec_(exec), rowDeals_(rowDeals) {}

  // Inside a step that recorded itself.
  bool TurnStock(bool toSecondWaste);

 private:
  TExecutorState& exec_;
  TRowDeals& rowDeals_;
};

}  // namespace tablerun
