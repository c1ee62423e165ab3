// Autoplay remembered per game (section "Autoplay" of the preference store):
// one character per built-in game in "Games", a "Cust_NNNN" key per custom game.
// Only 'N' means off; anything absent reads as on.
#pragma once

#include "config/ini_file.h"

namespace tablerun {

class TTablerunState;
class TMoveExecutor;

bool fnReadGameAutoplay(const TIniFile& store, int code);
void fnStoreGameAutoplay(TIniFile& store, int code, bool on);

// The game that became current brings its own Autoplay setting, where the
// game allows Autoplay and the player chose a setting per game (TMainGame
// entry 109 = 2). Switched on, Autoplay plays at once.
void fnApplyGameAutoplay(TTablerunState& state, TMoveExecutor& executor, int code);

}  // namespace tablerun
