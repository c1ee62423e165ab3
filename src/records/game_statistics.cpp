#include "records/game_statistics.h"

#include <algorithm>
#include <array>

#include "records/fixed_fields.h"

namespace tablerun {
namespace {

struct TColumn {
  std::int64_t TGameStatistics::*field;
  std::size_t start;  // 0-based
  int width;
};

constexpr std::array<TColumn, 7> kColumns = {{
    {&TGameStatistics::won, 0, 6},
    {&TGameStatistics::lost, 7, 6},
    {&TGameStatistics::longestWinningStreak, 14, 6},
    {&TGameStatistics::longestLosingStreak, 21, 6},
    {&TGameStatistics::winningStreak, 28, 6},
    {&TGameStatistics::losingStreak, 35, 6},
    {&TGameStatistics::totalScore, 42, 12},
}};

// Kept for a use the format reserves; always zero.
constexpr int kReservedWidth = 12;

}  // namespace

TGameStatistics fnAfterGame(TGameStatistics statistics, bool won, std::int64_t score) {
  if (won) {
    ++statistics.won;
    ++statistics.winningStreak;
    statistics.losingStreak = 0;
  } else {
    ++statistics.lost;
    ++statistics.losingStreak;
    statistics.winningStreak = 0;
  }
  statistics.longestWinningStreak = std::max(statistics.longestWinningStreak, statistics.winningStreak);
  statistics.longestLosingStreak = std::max(statistics.longestLosingStreak, statistics.losingStreak);
  statistics.totalScore += score;
  return statistics;
}

std::string fnStatisticsText(const TGameStatistics& statistics) {
  std::string text;
  for (const TColumn& column : kColumns) text += fnFixedNumber(statistics.*column.field, column.width) + " ";
  return text + fnFixedNumber(0, kReservedWidth);
}

TGameStatistics fnParseStatistics(std::string_view text) {
  TGameStatistics statistics;
  for (const TColumn& column : kColumns) {
    const auto value = fnNumberAt(text, column.start, static_cast<std::size_t>(column.width));
    if (!value) break;
    statistics.*column.field = *value;
  }
  return statistics;
}

}  // namespace tablerun
