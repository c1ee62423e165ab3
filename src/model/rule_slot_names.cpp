#include "model/rule_slot_names.h"

namespace tablerun {
namespace {

constexpr int kF = 16;  // foundations
constexpr int kT = 40;  // tableau piles
constexpr int kR = 12;  // reserves

constexpr TRuleSlotName kNames[] = {
    // Deal and table.
    {"foundation start mode", 1, 1},
    {"tableau arrangement", 3, 1},
    {"foundation arrangement", 4, 1},
    {"reserve arrangement", 5, 1},
    {"split tableau arrangement", 6, 1},
    {"stock face", 7, 1},
    {"waste face down", 8, 1},
    {"second waste face down", 9, 1},
    {"extra foundation card", 13, 1},
    {"starter play by pile", 26, 1},
    {"kings to bottom", 33, 1},
    {"deck arrangement", 36, 1},
    {"screen class", 40, 1},
    {"jokers in deck", 46, 1},
    {"stripped deck", 49, 1},
    {"suit images", 50, 1},
    // Play.
    {"group rule", 2, 1},
    {"stock shown", 10, 1},
    {"stock turns to waste", 11, 1},
    {"group limit", 14, 1},
    {"reserve lift rule", 15, 1},
    {"deals", 16, 1},
    {"redeal style", 17, 1},
    {"turn only with empty waste", 18, 1},
    {"foundation take back", 19, 1},
    {"autoplay available", 20, 1},
    {"reachable foundations", 22, 1},
    {"no undo", 23, 1},
    {"cards per turn", 24, 1},
    {"auto fill", 25, 1},
    {"release rows", 27, 1},
    {"release row piles", 28, 1},
    {"grid row width", 30, 1},
    {"sort foundations", 32, 1},
    {"foundation capacity", 34, 1},
    {"tableau capacity", 35, 1},
    {"stock first", 37, 1},
    {"single click moves", 39, 1},
    {"pairing family", 41, 1},
    {"tableau to foundation only", 42, 1},
    {"fill phase", 43, 1},
    {"auto face up", 44, 1},
    {"tutor available", 47, 1},
    {"score credit", 48, 1},
    {"foundation set rule", 51, 1},
    {"pile deal and max score", 52, 1},
    {"winning score", 53, 1},
    {"family", 54, 1},
    // Per-pile arrays.
    {"foundation base", 55, kF},
    {"foundation direction", 71, kF},
    {"foundation build", 87, kF},
    {"foundation starter", 103, kF},
    {"foundation size", 119, kF},
    {"tableau empty", 135, kT},
    {"tableau direction", 175, kT},
    {"tableau build", 215, kT},
    {"tableau wrap", 255, kT},
    {"tableau row deal", 295, kT},
    {"reserve accepts", 335, kR},
    {"reserve row deal", 347, kR},
    {"second waste starter", 359, 1},
    {"waste build", 360, 1},
    {"waste not a destination", 361, 1},
    // Layout codes: a kind digit and a variant per pile family.
    {"stock layout variant", 362, 1},
    {"stock layout kind", 363, 1},
    {"foundation layout variant", 364, 1},
    {"foundation layout kind", 365, 1},
    {"tableau layout variant", 366, 1},
    {"tableau layout kind", 367, 1},
    {"tableau rows", 368, 1},
    {"reserve layout variant", 369, 1},
    {"reserve layout kind", 370, 1},
    {"second waste layout variant", 371, 1},
    {"second waste layout kind", 372, 1},
    // Counts and the deal.
    {"stock piles", 373, 1},
    {"foundations", 374, 1},
    {"tableau piles", 375, 1},
    {"reserves", 376, 1},
    {"second waste placed", 377, 1},
    {"cards", 378, 1},
    {"stock deal", 379, 1},
    {"waste deal", 380, 1},
    {"jokers", 381, 1},
    {"tableau deal", 382, kT},
    {"tableau faces", 422, kT},
    {"second waste deal", 462, 1},
    {"reserve deal", 463, kR},
    {"reserve faces", 475, kR},
    // Rule summary, Rules Wizard and features.
    {"shown foundation build", 487, 1},
    {"shown tableau build", 488, 1},
    {"wizard cards per turn", 490, 1},
    {"wizard deals", 491, 1},
    {"wizard tableau empty", 492, 1},
    {"wizard tableau direction", 493, 1},
    {"wizard tableau build", 494, 1},
    {"wizard foundation direction", 495, 1},
    {"wizard foundation build", 496, 1},
    {"game time", 497, 1},
    {"difficulty", 498, 1},
    {"skill", 499, 1},
    {"chance of winning", 500, 1},
    {"reference won", 501, 1},
    {"reference played", 502, 1},
};

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
