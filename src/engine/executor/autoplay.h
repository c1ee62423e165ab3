// Autoplay: top cards sent to the foundations round after round, with the
// fills after each round.
#pragma once

#include "engine/executor/auto_fill.h"
#include "engine/executor/executor_state.h"
#include "engine/executor/turn_up.h"

namespace tablerun {

class TAutoplay {
 public:
  TAutoplay(TExecutorState& exec, TMoveEntry& moves, TAutoFill& autoFill, TTurnUps& turnUps)
      : exec_(exec), state_(exec.state), moves_(moves), autoFill_(autoFill), turnUps_(turnUps) {}

  // Rounds over reserves, waste and tableau; true when a card moved. Needs
  // TMainGame entry 92 (the deal has been shown) and Autoplay or the tutor.
  bool AutoplayPass();
  // Autoplay and the fills in turn until Autoplay finds nothing.
  void RunAutoplay();
  // Switched on during a game, Autoplay plays at once, as an undo step of its own.
  void SetAutoplay(bool on);
  // After a new deal has been shown: the fills and Autoplay. The table they
  // leave counts as the dealt one, and the player has not moved yet.
  void RunOpeningMoves();

 private:
  bool TryToFoundation(int card);
  bool AutoplayReserves(bool tutor);
  bool AutoplayTableau(bool tutor, bool withReserves, bool& stopped);
  bool StopRequested() const;

  TExecutorState& exec_;
  TTablerunState& state_;
  TMoveEntry& moves_;
  TAutoFill& autoFill_;
  TTurnUps& turnUps_;
};

}  // namespace tablerun
