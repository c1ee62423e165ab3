// Starting a game: every new deal, restart of a saved position and change of
// game goes through here.
#pragma once

#include <optional>

#include "engine/deal/game_setup.h"
#include "engine/state/tablerun_state.h"
#include "model/layout.h"

namespace tablerun {

struct TGameStart {
  // False: keep the piles (a saved game or bookmark was just loaded).
  bool deal = true;
  // The deal may be animated.
  bool animate = true;
  // 2: draw a new game number first; otherwise deal configuration position 153.
  int numberMode = 2;
  // Restoring: no random appearance, no painting.
  bool quiet = false;
};

struct TStartResult {
  // False when the rules could not be loaded or the deal failed: no game started.
  bool started = false;
  // What the set-up asks of the window, when it ran (no rules were loaded yet).
  std::optional<TSetupResult> setUp;
};

// `metrics` describes the table area for the set-up.
TStartResult fnStartGame(TTablerunState& state, const TGameStart& start, const TLayoutMetrics& metrics);

}  // namespace tablerun
