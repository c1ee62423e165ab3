// Stat_glo.dat: each player's best score and its time per built-in game, and
// the overall score and time (their sums) kept beside them, all as protected
// values. The dialogs always show the sums computed afresh.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "records/guarded_values.h"
#include "records/records_folder.h"

namespace tablerun {

// A built-in game as the overall score needs it.
struct TBuiltInGame {
  int code = 0;
  std::string name;
  int maxScore = -1;  // slot 52
  int cards = 0;      // slot 378
};

// The best result of the player in the game, or a forced one (a removed
// hi-score: score and time 0), replacing the old best in the overall sums.
// False when nothing was written (not better, or the file was broken).
bool fnUpdateBestScore(TRecordsFolder& folder, int gameCode, std::string_view player, std::int64_t score,
                       std::int64_t seconds, bool force, std::mt19937_64& random);

// The overall score and time as stored (T01, T02); nothing when they are broken.
std::optional<TOverallScore> fnReadStoredOverall(TRecordsFolder& folder, std::string_view player);

struct TGameBest {
  TBuiltInGame game;
  std::int64_t score = 0;
  std::int64_t seconds = 0;
};

struct TGameBests {
  std::vector<TGameBest> games;  // by name
  TOverallScore total;
};

// Nothing when a value was broken (the file is gone, the player was told).
std::optional<TGameBests> fnGameBests(TRecordsFolder& folder, std::string_view player,
                                      const std::vector<TBuiltInGame>& games);

struct TRankedPlayer {
  std::string player;
  TOverallScore overall;
  std::string webCode;  // 68 characters
};

// Told once when a stored overall score differs from the sum of the player's
// bests, before the file is marked so that it is not told again.
using TOverallChangeNotice =
    std::function<void(const std::string& player, const TOverallScore& stored, const TOverallScore& sum)>;

// Players with an overall score above 0, the best first; empty after a broken value.
std::vector<TRankedPlayer> fnRankPlayers(TRecordsFolder& folder, const std::vector<TBuiltInGame>& games,
                                         std::mt19937_64& random, const TOverallChangeNotice& notice);

}  // namespace tablerun
