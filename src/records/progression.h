// A player's progression file, "Stat_prg_" + player + ".dat": four bytes per
// recorded game, oldest first, with no separators. Its bytes run from 33 to
// 132, so it is read as bytes, never as text of a code page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tablerun {

struct TProgressionGame {
  int gameCode = 0;
  int year = 0;  // two digits
  int month = 0;
  bool won = false;
  bool operator==(const TProgressionGame&) const = default;
};

std::string fnProgressionGroup(const TProgressionGame& game);
// Whole groups only; a group with a byte out of range ends the reading.
std::vector<TProgressionGame> fnParseProgression(std::string_view bytes);
// The file as the game log says it should be for `player`.
std::string fnProgressionFromLog(const std::vector<std::string>& logLines, std::string_view player);

}  // namespace tablerun
