// The entries of the TMainGame table by name. Runs of entries (positions,
// copies) are the first entry; entry i of the run is at first + i.
#pragma once

namespace tablerun {

struct TMainGameEntry {
  int index;

  constexpr TMainGameEntry operator+(int offset) const { return {index + offset}; }
  constexpr TMainGameEntry operator-(int offset) const { return {index - offset}; }
  friend constexpr bool operator==(TMainGameEntry, TMainGameEntry) = default;
};

namespace entries {

// Pile positions; TMainGame reads them through its own getters.
inline constexpr TMainGameEntry kDestX{0};
inline constexpr TMainGameEntry kDestY{17};
inline constexpr TMainGameEntry kAppoggX{34};
inline constexpr TMainGameEntry kAppoggY{47};
inline constexpr TMainGameEntry kMazzoX{60};
inline constexpr TMainGameEntry kMazzoY{64};

// Fan steps and spacings the layout leaves for painting and hit-testing.
inline constexpr TMainGameEntry kFanDownFaceUp{68};
inline constexpr TMainGameEntry kFanRightFaceUp{69};
inline constexpr TMainGameEntry kFanDownFaceDown{70};
inline constexpr TMainGameEntry kFanRightFaceDown{71};
inline constexpr TMainGameEntry kRowSpacing{72};
inline constexpr TMainGameEntry kColumnSpacing{73};
inline constexpr TMainGameEntry kFanArrangement4{76};
inline constexpr TMainGameEntry kFanArrangement5{79};
inline constexpr TMainGameEntry kFanArrangement5Across{80};
inline constexpr TMainGameEntry kFanArrangement6{87};
inline constexpr TMainGameEntry kFanArrangement6Across{88};
inline constexpr TMainGameEntry kCardOffset105{105};  // depends only on the card size
inline constexpr TMainGameEntry kCardOffset106{106};

inline constexpr TMainGameEntry kTwoPlayersTurn{74};  // 0 off, else whose game (1 or 2) comes next
inline constexpr TMainGameEntry kCloseDuringAnimation{75};
inline constexpr TMainGameEntry kRedealRound{77};  // 1 on the first pass through the stock
inline constexpr TMainGameEntry kSizeForced{78};   // a smaller card size was forced in this run
inline constexpr TMainGameEntry kDragging{82};
inline constexpr TMainGameEntry kSetUp{83};  // -1 at every set-up
inline constexpr TMainGameEntry kMediumAdviceShown{86};
inline constexpr TMainGameEntry kPressX{89};
inline constexpr TMainGameEntry kPressY{90};
inline constexpr TMainGameEntry kDealShown{92};
inline constexpr TMainGameEntry kStockPressed{93};  // a redeal waits for the release
inline constexpr TMainGameEntry kScrollY{94};
inline constexpr TMainGameEntry kMoveCounter{95};  // 0 before the first move, then 1, then 2
inline constexpr TMainGameEntry kCardInHand{98};   // the lifted card, the bottom one of a group
inline constexpr TMainGameEntry kGroupTop{99};     // the top card of the lifted group
inline constexpr TMainGameEntry kHoverX{100};
inline constexpr TMainGameEntry kHoverY{101};
inline constexpr TMainGameEntry kLargeAdviceShown{102};
inline constexpr TMainGameEntry kCardsTurnedBack{103};  // in the memory families
inline constexpr TMainGameEntry kUndoRepaint{104};
inline constexpr TMainGameEntry kHighlightStyle{107};
inline constexpr TMainGameEntry kRandomGameType{108};
inline constexpr TMainGameEntry kAutoplayMode{109};  // 1 one switch, 2 per game, 3 every game
inline constexpr TMainGameEntry kDrawnX{110};
inline constexpr TMainGameEntry kDrawnY{111};
inline constexpr TMainGameEntry kFastSearchType{112};
inline constexpr TMainGameEntry kSeriesGame{113};  // 1 or more while a series is played
inline constexpr TMainGameEntry kTutorMode{114};   // 0 normal play, 1 tutor, 3 demo
inline constexpr TMainGameEntry kDealRunning{116};
inline constexpr TMainGameEntry kTutorChecking{117};
inline constexpr TMainGameEntry kTutorMoveNumber{118};
inline constexpr TMainGameEntry kStatisticsOff{119};
inline constexpr TMainGameEntry kStatisticsEligible{120};  // -1 until the player's first move
inline constexpr TMainGameEntry kFreshNumber{121};         // a new game number was drawn
// Scratch of the game family: the Draw-used flag in the games with a single
// Draw, a suit, a pile number or an exchange-used flag in others; with the
// next three the row targets of one family.
inline constexpr TMainGameEntry kFamilyScratch{122};
inline constexpr TMainGameEntry kSuitImages{126};      // the suit-image mode of the loaded pictures
inline constexpr TMainGameEntry kDragPreference{128};  // 0 drag and drop, 1 click-click
inline constexpr TMainGameEntry kClickClick{129};      // the preference, or 1 in the games that never drag
inline constexpr TMainGameEntry kSelectedCard{130};
inline constexpr TMainGameEntry kClicksCounted{131};
// Copies of the stock group's and the foundations' positions: X, window Y, Y.
inline constexpr TMainGameEntry kMazzoCopyX{132};
inline constexpr TMainGameEntry kMazzoCopyWindowY{136};
inline constexpr TMainGameEntry kMazzoCopyY{140};
inline constexpr TMainGameEntry kDestCopyX{144};
inline constexpr TMainGameEntry kDestCopyWindowY{161};
inline constexpr TMainGameEntry kDestCopyY{178};

}  // namespace entries
}  // namespace tablerun
