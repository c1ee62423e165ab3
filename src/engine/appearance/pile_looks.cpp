#include "engine/appearance/pile_looks.h"

#include "engine/appearance/table_painting.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {

constexpr int kTableauFannedDown = 1;

}  // namespace

bool fnStockPileFaceDown(const TGameRules& rules, int entry) {
  static constexpr TRuleSlot kFaceSlots[] = {rule::kStockFace, rule::kWasteFaceDown, rule::kSecondWasteFaceDown};
  return rules.Get(kFaceSlots[entry]) != 0;
}

bool fnFoundationsFlat(const TGameRules& rules) {
  const int arrangement = rules.Get(rule::kFoundationArrangement);
  return arrangement == 2 || arrangement == 7;
}

bool fnIrregularTableau(const TTablerunState& state) {
  return state.config.Read(cfg::kIrregularPiles) != "N" &&
         state.rules.Get(rule::kTableauArrangement) == kTableauFannedDown;
}

TFoundationHighlight fnFoundationHighlight(const TTablerunState& state) {
  const auto colour = state.store ? state.store->ReadInteger("Preference", "HighLights_Foundations_Color", 0) : 0;
  return {.style = state.mainGame.Get(entries::kHighlightStyle), .colour = static_cast<int>(colour)};
}

bool fnFoundationHighlighted(const TTablerunState& state, const TTableView& view, int foundation) {
  return state.mainGame.Get(entries::kHighlightStyle) != 0 && fnFoundationComplete(view, foundation);
}

}  // namespace tablerun
