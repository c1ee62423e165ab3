#include "engine/session/play_session.h"

#include "engine/end/score.h"

namespace tablerun {

TPlaySession::TPlaySession(TTablerunState& stateToPlay, const TClock& time)
    : state(stateToPlay), clock(stateToPlay, time) {
  executor.SetEndOfGameHooks(endOfGame.Hooks());
}

void TPlaySession::BeginGame() {
  // The game is in progress from the end of its set-up until it ends.
  state.runtime.SetFlag(TRuntimeFlag::GameInProgress, true);
  state.runtime.SetFlag(TRuntimeFlag::GameJustWon, false);
  executor.StartGame();
  clock.Start();
  fnUpdateScore(state);
}

bool TPlaySession::Undo() {
  const bool undone = executor.UndoMove();
  fnUpdateScore(state);
  return undone;
}

bool TPlaySession::Redo() {
  const bool redone = executor.RedoMove();
  fnUpdateScore(state);
  return redone;
}

}  // namespace tablerun
