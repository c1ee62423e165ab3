#include "model/rule_slot_names.h"

#include <iterator>

#include "model/game_rules.h"

namespace tablerun {
namespace {

constexpr int kF = 16;  // foundations
constexpr int kT = 40;  // tableau piles
constexpr int kR = 12;  // reserves

constexpr TRuleSlotName kNames[] = {
    // Deal and table.
    {"foundation start mode", rule::kFoundationStartMode, 1},
    {"tableau arrangement", rule::kTableauArrangement, 1},
    {"foundation arrangement", rule::kFoundationArrangement, 1},
    {"reserve arrangement", rule::kReserveArrangement, 1},
    {"split tableau arrangement", rule::kSplitTableauArrangement, 1},
    {"stock face", rule::kStockFace, 1},
    {"waste face down", rule::kWasteFaceDown, 1},
    {"second waste face down", rule::kSecondWasteFaceDown, 1},
    {"extra foundation card", rule::kExtraFoundationCard, 1},
    {"starter play by pile", rule::kStarterPlayByPile, 1},
    {"kings to bottom", rule::kKingsToBottom, 1},
    {"deck arrangement", rule::kDeckArrangement, 1},
    {"screen class", rule::kScreenClass, 1},
    {"jokers in deck", rule::kJokersInDeck, 1},
    {"stripped deck", rule::kStrippedDeck, 1},
    {"suit images", rule::kSuitImages, 1},
    // Play.
    {"group rule", rule::kGroupRule, 1},
    {"stock shown", rule::kStockShown, 1},
    {"stock turns to waste", rule::kStockTurnsToWaste, 1},
    {"group limit", rule::kGroupLimit, 1},
    {"reserve lift rule", rule::kReserveLiftRule, 1},
    {"deals", rule::kDeals, 1},
    {"redeal style", rule::kRedealStyle, 1},
    {"turn only with empty waste", rule::kTurnOnlyWithEmptyWaste, 1},
    {"foundation take back", rule::kFoundationTakeBack, 1},
    {"autoplay available", rule::kAutoplayAvailable, 1},
    {"reachable foundations", rule::kReachableFoundations, 1},
    {"no undo", rule::kNoUndo, 1},
    {"cards per turn", rule::kCardsPerTurn, 1},
    {"auto fill", rule::kAutoFill, 1},
    {"release rows", rule::kReleaseRows, 1},
    {"release row piles", rule::kReleaseRowPiles, 1},
    {"grid row width", rule::kGridRowWidth, 1},
    {"sort foundations", rule::kSortFoundations, 1},
    {"foundation capacity", rule::kFoundationCapacity, 1},
    {"tableau capacity", rule::kTableauCapacity, 1},
    {"stock first", rule::kStockFirst, 1},
    {"single click moves", rule::kSingleClickMoves, 1},
    {"pairing family", rule::kPairingFamily, 1},
    {"tableau to foundation only", rule::kTableauToFoundationOnly, 1},
    {"fill phase", rule::kFillPhase, 1},
    {"auto face up", rule::kAutoFaceUp, 1},
    {"tutor available", rule::kTutorAvailable, 1},
    {"score credit", rule::kScoreCredit, 1},
    {"foundation set rule", rule::kFoundationSetRule, 1},
    {"pile deal and max score", rule::kPileDealAndMaxScore, 1},
    {"winning score", rule::kWinningScore, 1},
    {"family", rule::kFamily, 1},
    // Per-pile arrays.
    {"foundation base", rule::kFoundationBase, kF},
    {"foundation direction", rule::kFoundationDirection, kF},
    {"foundation build", rule::kFoundationBuild, kF},
    {"foundation starter", rule::kFoundationStarter, kF},
    {"foundation size", rule::kFoundationSize, kF},
    {"tableau empty", rule::kTableauEmpty, kT},
    {"tableau direction", rule::kTableauDirection, kT},
    {"tableau build", rule::kTableauBuild, kT},
    {"tableau wrap", rule::kTableauWrap, kT},
    {"tableau row deal", rule::kTableauRowDeal, kT},
    {"reserve accepts", rule::kReserveAccepts, kR},
    {"reserve row deal", rule::kReserveRowDeal, kR},
    {"second waste starter", rule::kSecondWasteStarter, 1},
    {"waste build", rule::kWasteBuild, 1},
    {"waste not a destination", rule::kWasteNotADestination, 1},
    // Layout codes: a kind digit and a variant per pile family.
    {"stock layout variant", rule::kStockLayoutVariant, 1},
    {"stock layout kind", rule::kStockLayoutKind, 1},
    {"foundation layout variant", rule::kFoundationLayoutVariant, 1},
    {"foundation layout kind", rule::kFoundationLayoutKind, 1},
    {"tableau layout variant", rule::kTableauLayoutVariant, 1},
    {"tableau layout kind", rule::kTableauLayoutKind, 1},
    {"tableau rows", rule::kTableauRows, 1},
    {"reserve layout variant", rule::kReserveLayoutVariant, 1},
    {"reserve layout kind", rule::kReserveLayoutKind, 1},
    {"second waste layout variant", rule::kSecondWasteLayoutVariant, 1},
    {"second waste layout kind", rule::kSecondWasteLayoutKind, 1},
    // Counts and the deal.
    {"stock piles", rule::kStockPiles, 1},
    {"foundations", rule::kFoundations, 1},
    {"tableau piles", rule::kTableauPiles, 1},
    {"reserves", rule::kReserves, 1},
    {"second waste placed", rule::kSecondWastePlaced, 1},
    {"cards", rule::kCards, 1},
    {"stock deal", rule::kStockDeal, 1},
    {"waste deal", rule::kWasteDeal, 1},
    {"jokers", rule::kJokers, 1},
    {"tableau deal", rule::kTableauDeal, kT},
    {"tableau faces", rule::kTableauFaces, kT},
    {"second waste deal", rule::kSecondWasteDeal, 1},
    {"reserve deal", rule::kReserveDeal, kR},
    {"reserve faces", rule::kReserveFaces, kR},
    // Rule summary, Rules Wizard and features.
    {"shown foundation build", rule::kShownFoundationBuild, 1},
    {"shown tableau build", rule::kShownTableauBuild, 1},
    {"wizard cards per turn", rule::kWizardCardsPerTurn, 1},
    {"wizard deals", rule::kWizardDeals, 1},
    {"wizard tableau empty", rule::kWizardTableauEmpty, 1},
    {"wizard tableau direction", rule::kWizardTableauDirection, 1},
    {"wizard tableau build", rule::kWizardTableauBuild, 1},
    {"wizard foundation direction", rule::kWizardFoundationDirection, 1},
    {"wizard foundation build", rule::kWizardFoundationBuild, 1},
    {"game time", rule::kGameTime, 1},
    {"difficulty", rule::kDifficulty, 1},
    {"skill", rule::kSkill, 1},
    {"chance of winning", rule::kChanceOfWinning, 1},
    {"reference won", rule::kReferenceWon, 1},
    {"reference played", rule::kReferencePlayed, 1},
};

// One name per slot: no name twice, no slot under two names.
constexpr bool fnOneNamePerSlot() {
  for (std::size_t i = 0; i < std::size(kNames); ++i) {
    const TRuleSlotName& a = kNames[i];
    if (a.first < 0 || a.first + a.count > TGameRules::kSize) return false;
    for (std::size_t j = i + 1; j < std::size(kNames); ++j) {
      const TRuleSlotName& b = kNames[j];
      if (std::string_view(a.name) == b.name) return false;
      if (a.first < b.first + b.count && b.first < a.first + a.count) return false;
    }
  }
  return true;
}
static_assert(fnOneNamePerSlot());

}  // namespace

std::span<const TRuleSlotName> fnRuleSlotNames() { return kNames; }

std::optional<TRuleSlotName> fnFindRuleSlot(std::string_view name) {
  for (const auto& entry : kNames) {
    if (name == entry.name) return entry;
  }
  return std::nullopt;
}

std::string fnRuleSlotLabel(int slot) {
  // A scalar that lies inside an array's range (59) is named by the array.
  for (const auto& entry : kNames) {
    if (slot >= entry.first && slot < entry.first + entry.count) {
      if (entry.count == 1) return entry.name;
      return std::string(entry.name) + "[" + std::to_string(slot - entry.first + 1) + "]";
    }
  }
  return "slot " + std::to_string(slot);
}

}  // namespace tablerun
