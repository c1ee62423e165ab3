// The deck of a game number: the same number and rules give the same order of
// cards in every copy of the program, forever.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "config/messages.h"
#include "model/game_rules.h"

namespace tablerun {

// Card codes, index 0 first (the first card dealt); 0 marks a position no card
// reached. The game number is up to 13 digits.
std::vector<int> fnGameNumberCardsArray(const std::string& gameNumber, const TGameRules& rules, TMessages& messages);

// Thirteen digits: the number with zeros in front, its last 13 kept.
std::string fnNormalizedGameNumber(const std::string& gameNumber);

// A fresh game number from the program's generator.
std::string fnNewGameNumber(std::mt19937_64& generator);

// "040 004 043 …"
std::string fnDeckText(const std::vector<int>& deck);

}  // namespace tablerun
