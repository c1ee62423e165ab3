#include "choice/game_status.h"

#include "records/statistics_records.h"

namespace tablerun {

TGameStatus fnGameStatus(const TGameStatistics& statistics) {
  if (statistics.won > 0 || statistics.winningStreak > 0 || statistics.longestWinningStreak > 0)
    return TGameStatus::Won;
  if (statistics.lost > 0 || statistics.losingStreak > 0 || statistics.longestLosingStreak > 0)
    return TGameStatus::NotWon;
  return TGameStatus::NotPlayed;
}

TGameStatuses::TGameStatuses(TRecordsFolder& folder, std::string_view player) {
  for (const auto& [code, statistics] : fnReadPlayerStatistics(folder, player))
    statuses_[code] = fnGameStatus(statistics);
}

TGameStatus TGameStatuses::Of(int gameCode) const {
  const auto found = statuses_.find(gameCode);
  return found == statuses_.end() ? TGameStatus::NotPlayed : found->second;
}

void TGameStatuses::Refresh(TRecordsFolder& folder, std::string_view player, int gameCode) {
  statuses_[gameCode] = fnGameStatus(fnReadStatistics(folder, gameCode, player));
}

}  // namespace tablerun
