// The initial deal: the deck of the current game number laid out on the table
// as the rule record says.
#pragma once

#include "engine/state/tablerun_state.h"

namespace tablerun {

// Empties the table and deals the current game (configuration position 153)
// by the loaded rules. False, with the table left empty, when the deck came
// out incomplete ("Error 01"): such a game cannot start.
bool fnInitialDeal(TTablerunState& state);

}  // namespace tablerun
