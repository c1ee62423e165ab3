// Undo, redo and restart: the table back from the history, with the counters
// outside the piles that the event log says the step had moved.
#pragma once

#include "engine/executor/executor_state.h"

namespace tablerun {

class TUndoCommands {
 public:
  explicit TUndoCommands(TExecutorState& exec) : exec_(exec), state_(exec.state) {}

  bool UndoMove() { return StepBack(true); }
  bool RedoMove() { return StepBack(false); }
  // Back to the table as dealt, with an empty history.
  bool RestartGame();

 private:
  bool StepBack(bool undo);

  TExecutorState& exec_;
  TTablerunState& state_;
};

}  // namespace tablerun
