// The TMainGame entries and rule slots the move executor and undo keep or read.
#pragma once

namespace tablerun::play {

// TMainGame entries.
inline constexpr int kRedealRound = 77;   // 1 on the first pass through the stock
inline constexpr int kStockPressed = 93;  // a redeal waits for the release
inline constexpr int kMoveCounter = 95;   // 0 before the first move, then 1, then 2
inline constexpr int kUndoRepaint = 104;
inline constexpr int kTutorMode = 114;  // 0 normal play, 1 tutor, 3 demo
inline constexpr int kDealRunning = 116;
inline constexpr int kTutorChecking = 117;
inline constexpr int kStatisticsEligible = 120;  // −1 until the player's first move
inline constexpr int kDrawUsed = 122;            // in the games with a single Draw

// Rule slots.
inline constexpr int kStockFace = 7;
inline constexpr int kStockTurns = 11;
inline constexpr int kDeals = 16;
inline constexpr int kRedealStyle = 17;
inline constexpr int kTurnWhileWasteEmpty = 18;
inline constexpr int kTurnCount = 24;
inline constexpr int kFoundationSorted = 32;
inline constexpr int kFillPhase = 43;
inline constexpr int kFamily = 54;
inline constexpr int kTableauDealFlag = 295;
inline constexpr int kRowDealMode = 303;
inline constexpr int kReserveDealFlag = 347;
inline constexpr int kSecondWasteVariant = 371;
inline constexpr int kStockGroupPiles = 373;
inline constexpr int kTableauDealCount = 382;
inline constexpr int kTableauFaceUp = 422;

// The families whose TMainGame entry 122 is the Draw-used flag.
inline constexpr bool fnHasDrawFlag(int family) {
  return family == 66 || family == 71 || family == 73;
}

}  // namespace tablerun::play
