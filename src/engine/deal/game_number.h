// The current deal's game number, configuration position 153.
#pragma once

#include "engine/state/tablerun_state.h"

namespace tablerun {

// Draws a fresh game number and makes it current.
void fnDrawGameNumber(TTablerunState& state);

}  // namespace tablerun
