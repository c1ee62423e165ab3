// Which of the main window's commands can be given now: the game's own
// commands, the game in progress, the undo history and the player's undo setting.
#pragma once

#include "engine/deal/game_setup.h"
#include "engine/history/undo_history.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

struct TCommandStates {
  bool newGame = false;
  bool restart = false;
  bool save = false;
  bool undo = false;
  bool redo = false;
  bool insertBookmark = false;
  bool goToBookmark = false;
  bool pause = false;
  bool quitGame = false;
  bool autoplay = false;
  friend bool operator==(const TCommandStates&, const TCommandStates&) = default;
};

// `commands`: what the current game offers; `paused`: the pause screen shows,
// so Pause stays available to end it.
TCommandStates fnCommandStates(const TTablerunState& state, const TGameCommands& commands, const TUndoHistory& history,
                               bool paused);

}  // namespace tablerun
