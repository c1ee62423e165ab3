// The table printed one line per pile, as the tool's commands show it.
#pragma once

#include "engine/state/tablerun_state.h"

namespace tablerun {

// "Fila07: 0121…": each position as its card code and face digit, "0000" for
// a hole; the stock group's piles only when the game uses them or they hold cards.
void fnPrintTable(const TTablerunState& state);

}  // namespace tablerun
