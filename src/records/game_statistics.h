// A player's record of one game in STAT.DAT: eight numbers in 67 characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tablerun {

struct TGameStatistics {
  std::int64_t won = 0;
  std::int64_t lost = 0;
  std::int64_t longestWinningStreak = 0;
  std::int64_t longestLosingStreak = 0;
  std::int64_t winningStreak = 0;
  std::int64_t losingStreak = 0;
  std::int64_t totalScore = 0;

  bool operator==(const TGameStatistics&) const = default;
};

// The record after one more game: its count, streaks and score total.
TGameStatistics fnAfterGame(TGameStatistics statistics, bool won, std::int64_t score);

std::string fnStatisticsText(const TGameStatistics& statistics);
// Fields are read in order; from the first that does not read, all count 0.
TGameStatistics fnParseStatistics(std::string_view text);

}  // namespace tablerun
