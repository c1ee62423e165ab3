// One game being played: the move executor with its undo history, the clock,
// the end of the game and pointer input, wired together. The window and the
// tool each own one beside the program's state.
#pragma once

#include "engine/end/end_of_game.h"
#include "engine/executor/executor.h"
#include "engine/pointer/pointer_input.h"
#include "engine/state/clock.h"
#include "engine/state/game_clock.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

class TPlaySession {
 public:
  TPlaySession(TTablerunState& state, const TClock& clock);
  TPlaySession(const TPlaySession&) = delete;
  TPlaySession& operator=(const TPlaySession&) = delete;

  // A new deal lies on the table: a fresh history, the clock from now, the score.
  void BeginGame();
  // Undo and redo with the score they leave.
  bool Undo();
  bool Redo();

  TTablerunState& state;
  TMoveExecutor executor{state};
  TGameClock clock;
  TEndOfGame endOfGame{state, clock};
  TPointerInput pointer{state, executor, endOfGame};
};

}  // namespace tablerun
