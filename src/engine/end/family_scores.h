// The score formulas of the families whose goal is a score of their own.
#pragma once

#include <optional>

#include "engine/state/tablerun_state.h"

namespace tablerun {

// Nothing for the families scored by the standard formula, and for those
// whose score parts arrive with their own rules.
std::optional<int> fnFamilyScore(const TTablerunState& state);

}  // namespace tablerun
