// Fitting the card size to the screen: a game that needs a wide table is
// played with a smaller size on a narrow screen, and the player's own size
// comes back once the screen allows it again.
#pragma once

#include "engine/state/tablerun_state.h"

namespace tablerun {

// Reads the screen class (rule slot 40) of the loaded rules and the size in
// configuration position 128; may force a smaller size, telling the player
// once per run. True when the player's own size was restored, so that the
// Customize command is available again.
bool fnFitCardSize(TTablerunState& state, int screenWidth);

}  // namespace tablerun
