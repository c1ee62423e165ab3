// What the "Single Game" champions window shows: each built-in game's count
// of games played with a newly drawn number, and whether it may be published.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/internet_counts.h"
#include "records/overall_scores.h"

namespace tablerun {

// Games a player must have played of one game before publishing it.
constexpr std::int64_t kPublishableGames = 30;

struct TSingleGameRow {
  int gameCode = 0;
  std::string game;
  TInternetCounts counts;
  // Empty while no game was played, as are the counts that are 0.
  std::string percentWon;  // "##0.00"
  std::string total;
  std::string won;
  std::string lost;
};

// The games by name; nothing when the counts were broken (the file is gone,
// the player was told).
std::optional<std::vector<TSingleGameRow>> fnSingleGameRows(TRecordsFolder& folder,
                                                            const std::vector<TBuiltInGame>& games,
                                                            std::string_view player);

// Played often enough to be listed as publishable.
bool fnIsPublishableGame(const TInternetCounts& counts);
// Publishable, and won at least once.
bool fnMayPublishGame(const TInternetCounts& counts);

// Won per hundred games, two decimals rounded half up: 2 of 3 is "66.67".
std::string fnPercentWonText(const TInternetCounts& counts);

}  // namespace tablerun
