// Fitting the card size to the screen: a game that needs a wide table is
// played with a smaller size on a narrow screen, and the player's own size
// comes back once the screen allows it again.
#pragma once

#include "engine/state/tablerun_state.h"

namespace tablerun {

inline constexpr int kPosCardSet = 24;
inline constexpr int kPosCardSize = 128;
inline constexpr int kPosSavedCardSet = 129;
inline constexpr int kPosSavedCardSize = 240;
inline constexpr int kPosCustomCardSet = 257;
inline constexpr int kPosAddOnCardSet = 258;
inline constexpr int kPosSavedCustomCardSet = 261;
inline constexpr int kPosSavedAddOnCardSet = 262;

// Reads the screen class (rule slot 40) of the loaded rules and the size in
// configuration position 128; may force a smaller size, telling the player
// once per run. True when the player's own size was restored, so that the
// Customize command is available again.
bool fnFitCardSize(TTablerunState& state, int screenWidth);

}  // namespace tablerun
