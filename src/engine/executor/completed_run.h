// A complete run of thirteen on a tableau pile handed to a foundation that
// collects runs (base codes 'R', 'S', '_', 'a', 'b', 'c').
#pragma once

#include "engine/executor/executor_state.h"

namespace tablerun {

class TCompletedRuns {
 public:
  TCompletedRuns(TExecutorState& exec, TMoveEntry& moves) : exec_(exec), state_(exec.state), moves_(moves) {}

  // The run on tableau pile i (0-based) to the first empty foundation that
  // collects runs, merged into the step before it.
  bool Transfer(int tableauIndex);

 private:
  TExecutorState& exec_;
  TTablerunState& state_;
  TMoveEntry& moves_;
};

}  // namespace tablerun
