// The rule slots of the game rule record by name: the names of the game
// definitions (rule_slot_names.cpp checks that they agree). A per-pile array
// is its first slot; pile i's value is at first + i.
#pragma once

#include <compare>

namespace tablerun {

struct TRuleSlot {
  int index;

  constexpr TRuleSlot operator+(int offset) const { return {index + offset}; }
  constexpr TRuleSlot operator-(int offset) const { return {index - offset}; }
  friend constexpr auto operator<=>(TRuleSlot, TRuleSlot) = default;
};

namespace rule {

inline constexpr TRuleSlot kFoundationStartMode{1};
inline constexpr TRuleSlot kGroupRule{2};
inline constexpr TRuleSlot kTableauArrangement{3};
inline constexpr TRuleSlot kFoundationArrangement{4};
inline constexpr TRuleSlot kReserveArrangement{5};
inline constexpr TRuleSlot kSplitTableauArrangement{6};
inline constexpr TRuleSlot kStockFace{7};
inline constexpr TRuleSlot kWasteFaceDown{8};
inline constexpr TRuleSlot kSecondWasteFaceDown{9};
inline constexpr TRuleSlot kStockShown{10};
inline constexpr TRuleSlot kStockTurnsToWaste{11};
inline constexpr TRuleSlot kExtraFoundationCard{13};
inline constexpr TRuleSlot kGroupLimit{14};
inline constexpr TRuleSlot kReserveLiftRule{15};
inline constexpr TRuleSlot kDeals{16};
inline constexpr TRuleSlot kRedealStyle{17};
inline constexpr TRuleSlot kTurnOnlyWithEmptyWaste{18};
inline constexpr TRuleSlot kFoundationTakeBack{19};
inline constexpr TRuleSlot kAutoplayAvailable{20};
inline constexpr TRuleSlot kReachableFoundations{22};
inline constexpr TRuleSlot kNoUndo{23};
inline constexpr TRuleSlot kCardsPerTurn{24};
inline constexpr TRuleSlot kAutoFill{25};
inline constexpr TRuleSlot kStarterPlayByPile{26};
inline constexpr TRuleSlot kReleaseRows{27};
inline constexpr TRuleSlot kReleaseRowPiles{28};
inline constexpr TRuleSlot kGridRowWidth{30};
inline constexpr TRuleSlot kSortFoundations{32};
inline constexpr TRuleSlot kKingsToBottom{33};
inline constexpr TRuleSlot kFoundationCapacity{34};
inline constexpr TRuleSlot kTableauCapacity{35};
inline constexpr TRuleSlot kDeckArrangement{36};
inline constexpr TRuleSlot kStockFirst{37};
inline constexpr TRuleSlot kSingleClickMoves{39};
inline constexpr TRuleSlot kScreenClass{40};
inline constexpr TRuleSlot kPairingFamily{41};
inline constexpr TRuleSlot kTableauToFoundationOnly{42};
inline constexpr TRuleSlot kFillPhase{43};
inline constexpr TRuleSlot kAutoFaceUp{44};
inline constexpr TRuleSlot kJokersInDeck{46};
inline constexpr TRuleSlot kTutorAvailable{47};
inline constexpr TRuleSlot kScoreCredit{48};
inline constexpr TRuleSlot kStrippedDeck{49};
inline constexpr TRuleSlot kSuitImages{50};
inline constexpr TRuleSlot kFoundationSetRule{51};
inline constexpr TRuleSlot kPileDealAndMaxScore{52};
inline constexpr TRuleSlot kWinningScore{53};
inline constexpr TRuleSlot kFamily{54};
inline constexpr TRuleSlot kFoundationBase{55};       // 16 piles
inline constexpr TRuleSlot kFoundationDirection{71};  // 16 piles
inline constexpr TRuleSlot kFoundationBuild{87};      // 16 piles
inline constexpr TRuleSlot kFoundationStarter{103};   // 16 piles
inline constexpr TRuleSlot kFoundationSize{119};      // 16 piles
inline constexpr TRuleSlot kTableauEmpty{135};        // 40 piles
inline constexpr TRuleSlot kTableauDirection{175};    // 40 piles
inline constexpr TRuleSlot kTableauBuild{215};        // 40 piles
inline constexpr TRuleSlot kTableauWrap{255};         // 40 piles
inline constexpr TRuleSlot kTableauRowDeal{295};      // 40 piles
inline constexpr TRuleSlot kReserveAccepts{335};      // 12 piles
inline constexpr TRuleSlot kReserveRowDeal{347};      // 12 piles
inline constexpr TRuleSlot kSecondWasteStarter{359};
inline constexpr TRuleSlot kWasteBuild{360};
inline constexpr TRuleSlot kWasteNotADestination{361};
inline constexpr TRuleSlot kStockLayoutVariant{362};
inline constexpr TRuleSlot kStockLayoutKind{363};
inline constexpr TRuleSlot kFoundationLayoutVariant{364};
inline constexpr TRuleSlot kFoundationLayoutKind{365};
inline constexpr TRuleSlot kTableauLayoutVariant{366};
inline constexpr TRuleSlot kTableauLayoutKind{367};
inline constexpr TRuleSlot kTableauRows{368};
inline constexpr TRuleSlot kReserveLayoutVariant{369};
inline constexpr TRuleSlot kReserveLayoutKind{370};
inline constexpr TRuleSlot kSecondWasteLayoutVariant{371};
inline constexpr TRuleSlot kSecondWasteLayoutKind{372};
inline constexpr TRuleSlot kStockPiles{373};
inline constexpr TRuleSlot kFoundations{374};
inline constexpr TRuleSlot kTableauPiles{375};
inline constexpr TRuleSlot kReserves{376};
inline constexpr TRuleSlot kSecondWastePlaced{377};
inline constexpr TRuleSlot kCards{378};
inline constexpr TRuleSlot kStockDeal{379};
inline constexpr TRuleSlot kWasteDeal{380};
inline constexpr TRuleSlot kJokers{381};
inline constexpr TRuleSlot kTableauDeal{382};   // 40 piles
inline constexpr TRuleSlot kTableauFaces{422};  // 40 piles
inline constexpr TRuleSlot kSecondWasteDeal{462};
inline constexpr TRuleSlot kReserveDeal{463};   // 12 piles
inline constexpr TRuleSlot kReserveFaces{475};  // 12 piles
inline constexpr TRuleSlot kShownFoundationBuild{487};
inline constexpr TRuleSlot kShownTableauBuild{488};
inline constexpr TRuleSlot kWizardCardsPerTurn{490};
inline constexpr TRuleSlot kWizardDeals{491};
inline constexpr TRuleSlot kWizardTableauEmpty{492};
inline constexpr TRuleSlot kWizardTableauDirection{493};
inline constexpr TRuleSlot kWizardTableauBuild{494};
inline constexpr TRuleSlot kWizardFoundationDirection{495};
inline constexpr TRuleSlot kWizardFoundationBuild{496};
inline constexpr TRuleSlot kGameTime{497};
inline constexpr TRuleSlot kDifficulty{498};
inline constexpr TRuleSlot kSkill{499};
inline constexpr TRuleSlot kChanceOfWinning{500};
inline constexpr TRuleSlot kReferenceWon{501};
inline constexpr TRuleSlot kReferencePlayed{502};

// Entries of the arrays above that some families read as rules of their own.
inline constexpr TRuleSlot kSpecialRank = kFoundationBase + 4;
inline constexpr TRuleSlot kRowDealMode = kTableauRowDeal + 8;

}  // namespace rule
}  // namespace tablerun
