#include "engine/legality/move_context.h"

namespace tablerun {

namespace {

constexpr int kRedealRoundEntry = 77;
constexpr int kMoveCounterEntry = 95;
constexpr int kDraggedTopEntry = 99;
constexpr int kTutorModeEntry = 114;
constexpr int kFamilyEntry = 122;

}  // namespace

TMoveContext fnMoveContext(const TMainGame& mainGame, bool singleCard) {
  TMoveContext context;
  context.singleCard = singleCard;
  context.draggedTopCard = mainGame.Get(kDraggedTopEntry);
  context.moveCounter = mainGame.Get(kMoveCounterEntry);
  context.redealRound = mainGame.Get(kRedealRoundEntry);
  context.tutorMode = mainGame.Get(kTutorModeEntry);
  context.familyValue = mainGame.Get(kFamilyEntry);
  return context;
}

}  // namespace tablerun
