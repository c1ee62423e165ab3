// The TMainGame entries that hold the card in the player's hand.
#pragma once

namespace tablerun::hand {

inline constexpr int kCardInHand = 98;  // the lifted card, the bottom one of a group
inline constexpr int kGroupTop = 99;    // the top card of the lifted group

}  // namespace tablerun::hand
