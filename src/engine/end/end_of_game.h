// The end of a game, won or lost, and the question before a game in progress
// is left. Every way of replacing or abandoning the current game goes through
// here, so the clock stops and the result is handed over exactly once.
#pragma once

#include <functional>
#include <string>

#include "engine/executor/executor.h"
#include "engine/state/clock.h"
#include "engine/state/game_clock.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

// What the game result recorder receives about a finished game.
struct TGameResult {
  bool won = false;
  // False when the tutor moved before the player or statistics are off: the
  // recorder keeps such a game out of the statistics.
  bool eligible = true;
  int elapsedSeconds = 0;  // clamped to what the records hold
  TDateTime end;
};

using TGameResultRecorder = std::function<void(const TGameResult&)>;

class TEndOfGame {
 public:
  TEndOfGame(TTablerunState& state, TGameClock& clock) : state_(state), clock_(clock) {}

  void SetResultRecorder(TGameResultRecorder recorder) { recorder_ = std::move(recorder); }
  // The won test for the move executor.
  TEndOfGameHooks Hooks() const;

  // The leave-the-game confirmation; an empty question asks "Quit this game?".
  bool MayLeaveGame(const std::string& question = "");
  // Ends the game in progress, recording it; returns whether it counted as won.
  bool EndGame();
  // The main window is being closed. During the winning animation the close
  // waits for the animation's end (false); otherwise the game in progress ends
  // as lost and the window may close.
  bool CloseRequested();

 private:
  int Entry(TMainGameEntry entry) const { return state_.mainGame.Get(entry); }

  TTablerunState& state_;
  TGameClock& clock_;
  TGameResultRecorder recorder_;
};

}  // namespace tablerun
