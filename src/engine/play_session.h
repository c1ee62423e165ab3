// One game being played: the move executor with its undo history, the clock,
// the end of the game and pointer input, wired together. The window and the
// tool each own one beside the program's state.
#pragma once

#include "engine/clock.h"
#include "engine/end_of_game.h"
#include "engine/executor.h"
#include "engine/game_clock.h"
#include "engine/pointer_input.h"
#include "engine/tablerun_state.h"

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
