// What the hi-score window decides: the table it shows for a game, whether a
// new hi-score opens it, and its caption then.
#pragma once

#include <string>
#include <string_view>

#include "engine/state/clock.h"
#include "engine/state/tablerun_state.h"
#include "records/hi_score_table.h"

namespace tablerun {

// The game's table of the current score kind, its default entries filled in
// (and stored) when it was never used.
THiScoreTable fnShownHiScoreTable(TTablerunState& state, int gameCode, const TDateTime& now);

// A result that made a table opens the window unless the player said no more.
bool fnNewHiScoreWindowWanted(const TTablerunState& state);
void fnStopNewHiScoreWindow(TTablerunState& state);

// "Congratulations! Your score has made the "Klondike" Hi-Scores list!"
std::string fnNewHiScoreCaption(std::string_view gameName);

}  // namespace tablerun
