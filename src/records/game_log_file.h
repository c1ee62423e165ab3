// Stat_log.dat as a file: appended to at every recorded game, read whole only
// by the dialogs, the clearing and the trimming.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/game_log.h"
#include "records/records_folder.h"

namespace tablerun {

// The games of the log, oldest first.
std::vector<std::string> fnReadLogLines(TRecordsFolder& folder);

bool fnAppendLogLine(TRecordsFolder& folder, const TGameLogEntry& entry);

// Lines as the file's size and first line suggest (0 when it is missing): a
// quick figure for the dialogs, never used to cut the file.
int fnEstimateLogLength(TRecordsFolder& folder);

// Keeps the last `keep` lines, counted exactly; the player's progression file
// goes with the rest and is rebuilt from what is left when next needed.
bool fnKeepLastLogLines(TRecordsFolder& folder, int keep, std::string_view player);

// Drops the lines of a game (all games: nothing) and of a player (all
// players: nothing); a line whose code does not read counts as game -1.
bool fnRemoveLogLines(TRecordsFolder& folder, std::optional<int> gameCode, const std::optional<std::string>& player);

}  // namespace tablerun
