// The players' records of each game in STAT.DAT: one section per game code,
// one key per player.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "records/game_statistics.h"
#include "records/records_folder.h"

namespace tablerun {

// A game code as the files name it: "0123".
std::string fnGameSection(int gameCode);

// The record of the player (all zeros when there is none).
TGameStatistics fnReadStatistics(TRecordsFolder& folder, int gameCode, std::string_view player);
bool fnWriteStatistics(TRecordsFolder& folder, int gameCode, std::string_view player,
                       const TGameStatistics& statistics);

// Every record of the player, by game code, read in one pass over the file.
std::map<int, TGameStatistics> fnReadPlayerStatistics(TRecordsFolder& folder, std::string_view player);

// Every game section's name, the header's left out.
std::vector<std::string> fnStatisticsGames(TRecordsFolder& folder);
// The players that hold a record of the game.
std::vector<std::string> fnStatisticsPlayers(TRecordsFolder& folder, int gameCode);

// Sets the records of the choice to zeros (they stay in the file): a game
// (all games: nothing) and a player (all players: nothing).
bool fnZeroStatistics(TRecordsFolder& folder, std::optional<int> gameCode, const std::optional<std::string>& player);

}  // namespace tablerun
