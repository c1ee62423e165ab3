// What the statistics dialogs and the players dialog do to the files: clear
// statistics, hi-scores, series and the log, trim the log, rename a player.
// Every file is rewritten whole through the safe replace.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/state/tablerun_state.h"
#include "records/game_statistics.h"

namespace tablerun {

// A game's record of a player, with the session counters when they are the
// current game and player's.
struct TStatisticsView {
  TGameStatistics statistics;
  std::int64_t sessionWon = 0;
  std::int64_t sessionLost = 0;
};
TStatisticsView fnReadStatisticsView(TTablerunState& state, int gameCode, const std::string& player);

// Zeroes the records and internet counts of the choice and removes its log
// lines: game std::nullopt = all games, player std::nullopt = all players.
void fnClearStatistics(TTablerunState& state, std::optional<int> game, const std::optional<std::string>& player);

// Removes the hi-score entries of the choice (tables of `scoreKind`), taking
// the players' best scores of those games with them; all games and all players
// clears every table for good.
void fnClearHiScores(TTablerunState& state, std::optional<int> game, const std::optional<std::string>& player,
                     const std::string& scoreKind);
void fnClearSeriesScores(TTablerunState& state);
// Statistics, log, hi-scores, overall scores, series and progression files.
void fnClearAllValues(TTablerunState& state, const std::vector<std::string>& players);

void fnClearLog(TTablerunState& state);
// Keeps the log's last `keep` lines.
bool fnTrimLog(TTablerunState& state, int keep);
void fnDeleteProgressionFiles(TTablerunState& state, const std::vector<std::string>& players);

// Renames the player in every statistics file and the progression file;
// progress hears lines done. False when a file could not be replaced (the
// player has been told; that file keeps the old name).
bool fnRenamePlayer(TTablerunState& state, const std::string& oldName, const std::string& newName,
                    const std::function<void(int linesDone)>& progress);

}  // namespace tablerun
