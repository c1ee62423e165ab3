// What may leave a pile, by name: taking a card back from a foundation
// (rule::kFoundationTakeBack) and lifting a card from a reserve
// (rule::kReserveLiftRule).
#pragma once

namespace tablerun {

// Any other value keeps every card on its foundation.
enum class TTakeBack : int {
  TopCard = 1,
  TopCardLeavingOne = 2,  // while the foundation keeps another card
  TopJoker = 3,
};

// Any other value lifts the top card only.
enum class TReserveLift : int {
  AnyCard = -11,
  ReleasedByFamily = -14,
  FreeAtRowSide = -15,
};

}  // namespace tablerun
