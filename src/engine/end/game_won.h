// Whether the current position is won. Never changes the table.
#pragma once

#include "engine/state/tablerun_state.h"

namespace tablerun {

// Stock, waste, tableau and reserves empty; in the families that play for a
// score, the score needed to win (rule slot 53) reached.
bool fnIsGameWon(const TTablerunState& state);

}  // namespace tablerun
