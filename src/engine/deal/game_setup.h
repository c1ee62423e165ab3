// Preparing the table for the chosen game: its rules, the card size the
// screen allows, the commands the game offers and the layout.
#pragma once

#include "engine/state/tablerun_state.h"
#include "model/layout.h"

namespace tablerun {

// The commands a game offers; the main window enables them accordingly.
struct TGameCommands {
  bool autoplay = false;
  bool tutor = false;
  // Undo, redo, save, "Insert bookmark" and "Hold and exit".
  bool undoAndSave = false;
};
TGameCommands fnGameCommands(const TGameRules& rules);

struct TSetupResult {
  // False when the game's rules could not be read (the player was told).
  bool loaded = false;
  // The card size or the suit images changed: the card images must be reloaded.
  bool reloadCardImages = false;
  // The player's own card size is back: Customize is available again.
  bool enableCustomize = false;
  TGameCommands commands;
};

// Loads the rule record of the current game (configuration position 62),
// fits the card size to metrics.screenWidth and lays the table out with the
// fitted size; the rest of `metrics` describes the table area.
TSetupResult fnSetUpGame(TTablerunState& state, TLayoutMetrics metrics);

// The layout of the loaded game in the window, with the card size in use.
void fnLayOutGame(TTablerunState& state, TLayoutMetrics metrics);

}  // namespace tablerun
