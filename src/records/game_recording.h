// A finished game kept in every statistics file: the game log, the player's
// progression file, the game's record and the session counters, the internet
// counts, the hi-score table and the best score. The end of the game calls it
// once per game.
#pragma once

#include "engine/end/end_of_game.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

struct TRecordedGame {
  int hiScoreRank = -1;  // 0 the first; -1 when the result made no table
};

TRecordedGame fnRecordFinishedGame(TTablerunState& state, const TGameResult& result);

}  // namespace tablerun
