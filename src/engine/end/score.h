// The score of the current game, recomputed from the piles after every change
// and kept in configuration position 122 for the end of the game, the
// statistics, the hi-scores and the series.
#pragma once

#include "engine/state/tablerun_state.h"

namespace tablerun {

// Cards on the foundations and in the second waste, counted against the
// cards in play, jokers and the rule slot 48 credit.
int fnStandardScore(const TTablerunState& state);
// The score the position is worth, by game family.
int fnScore(const TTablerunState& state);
// The score as position 122 holds it; 0 when it holds no number.
int fnStoredScore(const TTablerunState& state);
// Recomputes, shows and stores the score, clamped to the field.
void fnUpdateScore(TTablerunState& state);

}  // namespace tablerun
