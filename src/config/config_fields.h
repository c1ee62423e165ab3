// The configuration record's fields by name: a position and its length.
#pragma once

namespace tablerun {

struct TConfigField {
  int position;
  int length;

  friend constexpr bool operator==(TConfigField, TConfigField) = default;
};

namespace cfg {

inline constexpr TConfigField kStoreName{1, 20};  // the preference store's file name
inline constexpr TConfigField kBackNumber{21, 3};
inline constexpr TConfigField kCardSet{24, 3};
inline constexpr TConfigField kBackgroundDefault{27, 1};
inline constexpr TConfigField kBackgroundColour{28, 15};
inline constexpr TConfigField kBackgroundPicture{43, 4};
inline constexpr TConfigField kBackgroundFixedColour{47, 15};
inline constexpr TConfigField kGame{62, 4};  // zero-filled code, "-001" for no game
inline constexpr TConfigField kShowTime{66, 1};
inline constexpr TConfigField kCardsAnimate{67, 1};
inline constexpr TConfigField kLanguage{68, 6};
inline constexpr TConfigField kCardSpeed{74, 2};
inline constexpr TConfigField kStatusBar{76, 1};
inline constexpr TConfigField kPlayer{77, 30};
inline constexpr TConfigField kSessionWon{112, 4};
inline constexpr TConfigField kSessionLost{116, 4};
inline constexpr TConfigField kScoreKind{120, 2};  // "01" is the kind with a formula
inline constexpr TConfigField kScore{122, 6};
inline constexpr TConfigField kCardSize{128, 1};
inline constexpr TConfigField kSavedCardSet{129, 3};
inline constexpr TConfigField kFadeBackground{135, 1};
inline constexpr TConfigField kShowScore{136, 1};
inline constexpr TConfigField kUndoEnabled{137, 1};  // "0" unlimited, "1" one step between moves, "2" off
inline constexpr TConfigField kLastWasUndo{138, 1};
inline constexpr TConfigField kLastWasRedo{139, 1};
inline constexpr TConfigField kSoundsEnabled{141, 1};
inline constexpr TConfigField kSoundAbout{142, 1};
inline constexpr TConfigField kSoundAutoplay{143, 1};
inline constexpr TConfigField kSoundGameWon{144, 1};
inline constexpr TConfigField kSoundNewGame{145, 1};
inline constexpr TConfigField kSoundRedo{146, 1};
inline constexpr TConfigField kSoundRestart{147, 1};
inline constexpr TConfigField kSoundSplash{148, 1};
inline constexpr TConfigField kSoundShuffle{149, 1};
inline constexpr TConfigField kSoundUndo{151, 1};
inline constexpr TConfigField kRandomBackground{152, 1};
inline constexpr TConfigField kGameNumber{153, 15};
// Set at every start; nothing reads them yet.
inline constexpr TConfigField kStartOne{168, 1};
inline constexpr TConfigField kStartZero{169, 1};
inline constexpr TConfigField kSoundHiScores{171, 1};
inline constexpr TConfigField kCursor{172, 2};
inline constexpr TConfigField kSoundNewHiScores{174, 1};
inline constexpr TConfigField kSoundPairing{175, 1};
inline constexpr TConfigField kSoundStock{176, 1};
inline constexpr TConfigField kSoundTableau{177, 1};
inline constexpr TConfigField kCardsShadowed{178, 1};
inline constexpr TConfigField kIrregularPiles{179, 1};
inline constexpr TConfigField kSoundFaceUp{180, 1};
inline constexpr TConfigField kSoundCardDown{181, 1};
inline constexpr TConfigField kSoundCardUp{182, 1};
inline constexpr TConfigField kSoundRedeal{183, 1};
inline constexpr TConfigField kSoundFoundation{184, 1};
inline constexpr TConfigField kConfirmQuitGame{185, 1};
inline constexpr TConfigField kConfirmHiScores{186, 1};
inline constexpr TConfigField kRandomCard{187, 1};
inline constexpr TConfigField kRandomDeck{188, 1};
inline constexpr TConfigField kGameName{189, 50};
inline constexpr TConfigField kAutomaticFaceUp{239, 1};
inline constexpr TConfigField kSavedCardSize{240, 1};
inline constexpr TConfigField kDealAnimation{241, 1};
inline constexpr TConfigField kRedealAnimation{242, 1};
inline constexpr TConfigField kVertScrollBar{243, 1};
inline constexpr TConfigField kShowToolTips{244, 1};
inline constexpr TConfigField kShowPilesSize{245, 1};
inline constexpr TConfigField kCustomBackground{246, 1};
inline constexpr TConfigField kRightToFoundations{247, 1};
inline constexpr TConfigField kRightToTableau{248, 1};
inline constexpr TConfigField kDoubleToFoundations{249, 1};
inline constexpr TConfigField kDoubleToTableau{251, 1};
inline constexpr TConfigField kSoundRedealStill{252, 1};  // redeals without animation
inline constexpr TConfigField kMainPopupMenu{253, 1};
inline constexpr TConfigField kStartYes{254, 1};  // set at every start
inline constexpr TConfigField kRevealHidden{255, 1};
inline constexpr TConfigField kCustomDeck{256, 1};
inline constexpr TConfigField kCustomCardSet{257, 1};
inline constexpr TConfigField kAddOnCardSet{258, 1};
inline constexpr TConfigField kAddOnDeck{259, 1};
inline constexpr TConfigField kAddOnBackground{260, 1};
inline constexpr TConfigField kSavedCustomCardSet{261, 1};
inline constexpr TConfigField kSavedAddOnCardSet{262, 1};

}  // namespace cfg
}  // namespace tablerun
