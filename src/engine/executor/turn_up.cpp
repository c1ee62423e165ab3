#include "engine/executor/turn_up.h"

#include "engine/state/tablerun_state.h"

namespace tablerun {

bool TTurnUps::TurnUp(int tableauIndex) {
  const int top = exec_.View().Top(fnFila(tableauIndex));
  if (top <= 0 || !state_.cards.fnIsCardFaceDown(top)) return false;
  exec_.RecordUndo();
  state_.cards.fnSetCardFace(top, TCardFace::Up);
  exec_.PlaySound(cfg::kSoundFaceUp, "Face_up");
  state_.screen.RequestRepaint();
  return true;
}

bool TTurnUps::TurnUpTableauTops() {
  if (state_.config.Read(cfg::kAutomaticFaceUp) == "N" || exec_.Rule(rule::kAutoFaceUp) == 0) return false;
  const TExecutorState::TStep step = exec_.EnterStep();
  bool turned = false;
  for (int i = 0; i < exec_.TableauPiles(); ++i) turned = TurnUp(i) || turned;
  exec_.LeaveAutomaticStep(step);
  return turned;
}

}  // namespace tablerun
