// Empty tableau piles: refilled from the stock, or closed up by moving the
// piles after them.
#pragma once

#include "engine/executor/executor_state.h"

namespace tablerun {

class TTableauGaps {
 public:
  explicit TTableauGaps(TExecutorState& exec) : exec_(exec), state_(exec.state) {}

  // Every empty tableau pile takes the stock's top card.
  bool RefillFromStock() { return RefillGapsFromStock(true); }
  // The piles after the first gap close up in order, then the refill.
  bool CloseGapsInOrder();
  // Moves the last tableau piles into the gaps before them; says so when
  // there is no gap to close.
  bool CloseTableauGaps();

 private:
  bool RefillGapsFromStock(bool record);
  // The pile whole onto the empty pile `to`.
  void MovePile(int from, int to);

  TExecutorState& exec_;
  TTablerunState& state_;
};

}  // namespace tablerun
