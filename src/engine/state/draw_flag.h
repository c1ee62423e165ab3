// The families whose family scratch entry is the Draw-used flag.
#pragma once

namespace tablerun {

inline constexpr bool fnHasDrawFlag(int family) { return family == 66 || family == 71 || family == 73; }

}  // namespace tablerun
