// Which of the main window's commands can be given: the game's own commands,
// the game in progress, the undo history and the player's undo setting.
#include "engine/session/command_states.h"

#include <gtest/gtest.h>

#include "support/game_state.h"

namespace tablerun {
namespace {

struct CommandStates : ::testing::Test, testing::TGameState {
  TUndoHistory history;
  TGameCommands commands{.autoplay = true, .tutor = false, .undoAndSave = true};

  CommandStates() {
    SetRules({});
    state.runtime.SetFlag(TRuntimeFlag::GameInProgress, true);
    state.config.Write(cfg::kUndoEnabled, "0");
    history.RecordUndo(state.table, state.cards, state.config);
  }
  TCommandStates States(bool paused = false) const { return fnCommandStates(state, commands, history, paused); }
};

TEST_F(CommandStates, AGameInProgressOffersItsCommands) {
  const TCommandStates all{.newGame = true,
                           .restart = true,
                           .save = true,
                           .undo = true,
                           .redo = false,
                           .insertBookmark = true,
                           .goToBookmark = false,
                           .pause = true,
                           .quitGame = true,
                           .autoplay = true};
  EXPECT_EQ(States(), all);
  history.RecordRedo(state.table, state.cards, state.config);
  state.bookmarkFile = "/tmp/bookmark";
  EXPECT_TRUE(States().redo);
  EXPECT_TRUE(States().goToBookmark);
}

TEST_F(CommandStates, UndoNeedsTheGameToKeepAHistoryAndThePlayerToAllowIt) {
  state.config.Write(cfg::kUndoEnabled, "2");
  EXPECT_FALSE(States().undo);
  EXPECT_TRUE(States().save);
  state.config.Write(cfg::kUndoEnabled, "1");
  EXPECT_TRUE(States().undo);
  commands.undoAndSave = false;
  const TCommandStates states = States();
  EXPECT_FALSE(states.undo || states.save || states.insertBookmark);
  EXPECT_TRUE(states.restart);
}

TEST_F(CommandStates, WithoutAGameOnlyPauseRemainsToEndAPause) {
  state.runtime.SetFlag(TRuntimeFlag::GameInProgress, false);
  state.rules.Clear();
  EXPECT_EQ(States(), TCommandStates{});
  EXPECT_EQ(States(true), TCommandStates{.pause = true});
}

}  // namespace
}  // namespace tablerun
