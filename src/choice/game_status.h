// A player's standing in a game, as the won and lost marks of the game lists show it.
#pragma once

#include <map>
#include <string_view>

#include "records/game_statistics.h"
#include "records/records_folder.h"

namespace tablerun {

enum class TGameStatus { NotPlayed = 0, Won = 1, NotWon = 2 };

TGameStatus fnGameStatus(const TGameStatistics& statistics);

// Every game's status for the player, read in one pass; games missing are not played.
class TGameStatuses {
 public:
  TGameStatuses() = default;
  TGameStatuses(TRecordsFolder& folder, std::string_view player);
  TGameStatus Of(int gameCode) const;
  // After a game ended, its record read again.
  void Refresh(TRecordsFolder& folder, std::string_view player, int gameCode);

 private:
  std::map<int, TGameStatus> statuses_;
};

}  // namespace tablerun
