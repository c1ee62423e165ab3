// Stat_uni.dat: per player, the games won and lost of each built-in game that
// was dealt with a newly drawn game number, kept as protected values.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "records/records_folder.h"

namespace tablerun {

struct TInternetCounts {
  std::int64_t won = 0;
  std::int64_t lost = 0;
  bool operator==(const TInternetCounts&) const = default;
};

// The plain (unscrambled) stored values, for the publishing code.
struct TInternetCountTexts {
  std::string won;
  std::string lost;
};

// Nothing after a broken value: the file is gone and the player was told.
std::optional<TInternetCounts> fnReadInternetCounts(TRecordsFolder& folder, int gameCode, std::string_view player);
std::optional<TInternetCountTexts> fnReadInternetCountTexts(TRecordsFolder& folder, int gameCode,
                                                            std::string_view player);
// One more game won or lost; false when the counts were broken.
bool fnCountInternetGame(TRecordsFolder& folder, int gameCode, std::string_view player, bool won,
                         std::mt19937_64& random);
// Zeroes the counts of the player's games, or of every player's when `player`
// is empty; `gameCode` -1 is every game.
bool fnResetInternetCounts(TRecordsFolder& folder, int gameCode, std::string_view player, std::mt19937_64& random);

}  // namespace tablerun
