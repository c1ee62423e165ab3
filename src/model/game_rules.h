// The game rule record: the rule slots of the current game, indexed as the
// lines of the games list.
#pragma once

#include "model/int16_table.h"

namespace tablerun {

// How many tableau piles the game uses.
inline constexpr int kRuleTableauCount = 375;

class TGameRules : public TInt16Table<503> {};

}  // namespace tablerun
