// Face-down tableau top cards turned up, by a press or automatically.
#pragma once

#include "engine/executor/executor_state.h"

namespace tablerun {

class TTurnUps {
 public:
  explicit TTurnUps(TExecutorState& exec) : exec_(exec), state_(exec.state) {}

  // A face-down top card of tableau pile i turned up, recorded for undo.
  bool TurnUp(int tableauIndex);
  // Every face-down tableau top card turned up, where the game and the
  // "Automatic_FaceUp" setting allow; merged into the step before it.
  bool TurnUpTableauTops();

 private:
  TExecutorState& exec_;
  TTablerunState& state_;
};

}  // namespace tablerun
