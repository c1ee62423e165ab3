// The rule slots move legality reads, by name. Per-pile arrays are the first
// slot; pile i's value is at first + i.
#pragma once

namespace tablerun::slot {

inline constexpr int kGroupRule = 2;
inline constexpr int kTableauFan = 3;
inline constexpr int kWasteFaceDown = 8;
inline constexpr int kGroupLimit = 14;
inline constexpr int kReserveLift = 15;
inline constexpr int kFoundationTakeBack = 19;
inline constexpr int kReleaseRows = 27;
inline constexpr int kReleaseRowPiles = 28;
inline constexpr int kGridWidth = 30;
inline constexpr int kFoundationCapacity = 34;
inline constexpr int kTableauCapacity = 35;
inline constexpr int kStockFirst = 37;
inline constexpr int kTableauToFoundationOnly = 42;
inline constexpr int kFoundationSet = 51;
inline constexpr int kFamily = 54;
inline constexpr int kFoundationBase = 55;
inline constexpr int kSpecialRank = 59;
inline constexpr int kFoundationDirection = 71;
inline constexpr int kFoundationBuild = 87;
inline constexpr int kTableauEmpty = 135;
inline constexpr int kTableauDirection = 175;
inline constexpr int kTableauBuild = 215;
inline constexpr int kTableauWrap = 255;
inline constexpr int kReserveAccepts = 335;
inline constexpr int kWasteDeal = 380;

}  // namespace tablerun::slot
