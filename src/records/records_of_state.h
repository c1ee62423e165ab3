// The program's state as the statistics files need it: the data folder, the
// built-in games and what a game's never-used hi-score table is filled with.
#pragma once

#include <optional>
#include <vector>

#include "engine/state/tablerun_state.h"
#include "records/hi_score_file.h"
#include "records/overall_scores.h"
#include "records/records_folder.h"

namespace tablerun {

TRecordsFolder fnRecordsFolder(TTablerunState& state);

// The catalogue's built-in games, in its order.
std::vector<TBuiltInGame> fnBuiltInGames(const TTablerunState& state);

// Nothing while statistics do not count or when the game's rules cannot be read.
std::optional<THiScoreDefaults> fnHiScoreDefaults(const TTablerunState& state, int gameCode, const TDateTime& now);

}  // namespace tablerun
