#include "engine/session/command_states.h"

namespace tablerun {

TCommandStates fnCommandStates(const TTablerunState& state, const TGameCommands& commands, const TUndoHistory& history,
                               bool paused) {
  const bool inProgress = state.runtime.Flag(TRuntimeFlag::GameInProgress);
  const bool current = state.rules.IsLoaded();
  const bool keepsHistory = inProgress && commands.undoAndSave;
  // "2": the player turned undo off.
  const bool undoAllowed = keepsHistory && state.config.Read(cfg::kUndoEnabled) != "2";
  return {.newGame = current,
          .restart = current,
          .save = keepsHistory,
          .undo = undoAllowed && !history.undo.Empty(),
          .redo = undoAllowed && !history.redo.Empty(),
          .insertBookmark = keepsHistory,
          .goToBookmark = inProgress && !state.bookmarkFile.empty(),
          .pause = inProgress || paused,
          .quitGame = inProgress,
          .autoplay = current && commands.autoplay};
}

}  // namespace tablerun
