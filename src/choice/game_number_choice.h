// Reading a game number the player typed, and drawing a random game.
#pragma once

#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "model/catalogue.h"

namespace tablerun {

enum class TNumberProblem { None, Empty, NotDigits, Zero };

struct TTypedNumber {
  TNumberProblem problem = TNumberProblem::None;
  std::string number;  // 13 digits when there is no problem
};

// Leading blanks are dropped, thirteen zeros put in front and the last 13
// digits kept; anything but digits is refused, and so is 0.
TTypedNumber fnReadTypedNumber(std::string_view typed);
// What the player is told; empty for the problems that only do nothing.
std::string fnNumberProblemMessage(TNumberProblem problem);

// The kind of the last random game, as the settings keep it.
inline constexpr int kRandomFromFavorites = 1;
inline constexpr int kRandomFromAllGames = 2;

// A built-in game, each with the same chance; nothing for an empty catalogue.
std::optional<int> fnRandomBuiltInGame(const TCatalogue& catalogue, std::mt19937_64& random);

}  // namespace tablerun
