// How two cards relate in the building rules: suit, colour and rank steps.
// "target" is the card built on (−1, of rank −1, for an empty pile), "moving"
// the card put on it.
#pragma once

#include "model/card.h"

namespace tablerun {

inline bool fnSameSuit(int target, int moving) { return fnCardSuit(target) == fnCardSuit(moving); }
inline bool fnSameColour(int target, int moving) { return fnIsRedCard(target) == fnIsRedCard(moving); }
inline bool fnOtherColour(int target, int moving) { return !fnSameColour(target, moving); }

inline bool fnIsUp(int target, int moving) { return fnCardRank(moving) == fnCardRank(target) + 1; }
inline bool fnIsDown(int target, int moving) { return fnCardRank(moving) == fnCardRank(target) - 1; }
// An Ace on a King, a King on an Ace.
inline bool fnIsWrapUp(int target, int moving) { return fnCardRank(target) == kKing && fnCardRank(moving) == kAce; }
inline bool fnIsWrapDown(int target, int moving) { return fnCardRank(target) == kAce && fnCardRank(moving) == kKing; }

inline bool fnIsUpOrWrapUp(int target, int moving) { return fnIsUp(target, moving) || fnIsWrapUp(target, moving); }
inline bool fnIsDownOrWrapDown(int target, int moving) {
  return fnIsDown(target, moving) || fnIsWrapDown(target, moving);
}
inline bool fnIsUpOrDown(int target, int moving) { return fnIsUp(target, moving) || fnIsDown(target, moving); }
inline bool fnIsStepWithWrap(int target, int moving) {
  return fnIsUpOrWrapUp(target, moving) || fnIsDownOrWrapDown(target, moving);
}

// rank + step counted round the thirteen ranks (King + 1 is an Ace).
inline int fnCyclicRank(int rank, int step) { return ((rank + step - 1) % 13 + 13) % 13 + 1; }

}  // namespace tablerun
