// The current deal's game number, configuration position 153.
#pragma once

#include "engine/state/tablerun_state.h"

namespace tablerun {

inline constexpr int kPosGameNumber = 153;

// Draws a fresh game number and makes it current.
void fnDrawGameNumber(TTablerunState& state);

}  // namespace tablerun
