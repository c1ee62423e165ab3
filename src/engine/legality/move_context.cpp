#include "engine/legality/move_context.h"

namespace tablerun {

namespace {}  // namespace

TMoveContext fnMoveContext(const TMainGame& mainGame, bool singleCard) {
  TMoveContext context;
  context.singleCard = singleCard;
  context.draggedTopCard = mainGame.Get(entries::kGroupTop);
  context.moveCounter = mainGame.Get(entries::kMoveCounter);
  context.redealRound = mainGame.Get(entries::kRedealRound);
  context.tutorMode = mainGame.Get(entries::kTutorMode);
  context.familyValue = mainGame.Get(entries::kFamilyScratch);
  return context;
}

}  // namespace tablerun
