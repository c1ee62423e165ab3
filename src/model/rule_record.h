// Loading a game's rule record from the games list, with a custom game's rule
// text laid over its base game's rules.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/catalogue.h"
#include "model/custom_games.h"
#include "model/game_rules.h"

namespace tablerun {

// Clears every slot and fills them for the game, then backs up the slots that
// play may change. False, with the reason, when the game or its rules cannot be read.
bool fnLoadRuleRecord(TGameRules& rules, const TCatalogue& catalogue, const TCustomGames& custom, int gameCode,
                      std::string& error);

// A custom game's 17-character rule text over the base game's slots. Fields
// that are not numbers leave their slots alone.
void fnOverlayRuleText(TGameRules& rules, std::string_view ruleText);

// Slots of any game straight from the games list, without touching the record;
// a slot index of −1 gives −99, and so does a game that is not in the list.
std::array<int, 9> fnReadSlotsOfGame(const TCatalogue& catalogue, const TCustomGames& custom, int gameCode,
                                     const std::array<int, 9>& slots);

// For every game in catalogue order: both slots as zero-filled 10-digit numbers.
std::vector<std::string> fnReadTwoSlotsOfEveryGame(const TCatalogue& catalogue, int firstSlot, int secondSlot);

}  // namespace tablerun
