// The TMainGame entries in which the layout leaves the fan steps of a pile.
#pragma once

namespace tablerun::fan {

inline constexpr int kDownFaceUp = 68;
inline constexpr int kRightFaceUp = 69;
inline constexpr int kDownFaceDown = 70;
inline constexpr int kRightFaceDown = 71;
inline constexpr int kArrangement4 = 76;
inline constexpr int kArrangement5 = 79;
inline constexpr int kArrangement5Across = 80;
inline constexpr int kArrangement6 = 87;
inline constexpr int kArrangement6Across = 88;

}  // namespace tablerun::fan
