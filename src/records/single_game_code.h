// The code a player copies to publish one game's counts on the web: the game,
// a fixed mark and random digits, the stored counts and their checksum,
// scrambled as the protected values are.
#pragma once

#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "records/internet_counts.h"
#include "records/records_folder.h"

namespace tablerun {

constexpr std::size_t kSingleGameCodeLength = 46;

// From the plain stored values of the game's counts.
std::string fnSingleGameCode(int gameCode, const TInternetCountTexts& counts, std::mt19937_64& random);

// Nothing when the counts were broken (the file is gone, the player was told).
std::optional<std::string> fnReadSingleGameCode(TRecordsFolder& folder, int gameCode, std::string_view player,
                                                std::mt19937_64& random);

}  // namespace tablerun
