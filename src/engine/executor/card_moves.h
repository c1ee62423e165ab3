// A card put on a pile: taken off its pile with the cards that go along,
// laid on the destination, with the sounds and what follows on the piles it
// touched (completed runs, turn-ups, a sorted foundation).
#pragma once

#include <optional>
#include <string>

#include "engine/executor/completed_run.h"
#include "engine/executor/executor_state.h"
#include "engine/executor/turn_up.h"

namespace tablerun {

class TCardMoves {
 public:
  TCardMoves(TExecutorState& exec, TCompletedRuns& completedRuns, TTurnUps& turnUps)
      : exec_(exec), state_(exec.state), completedRuns_(completedRuns), turnUps_(turnUps) {}

  bool Put(int card, const TPileMove& move);

 private:
  std::optional<TCardPlace> Locate(int card) const;
  // The card's codes taken off its pile: the card alone, or with the cards above it.
  std::string Take(const TCardPlace& place, bool withCardsAbove);
  bool MoveToPile(int card, TPileRef to, bool autoplay);
  void SortFoundation(TPileRef pile);

  TExecutorState& exec_;
  TTablerunState& state_;
  TCompletedRuns& completedRuns_;
  TTurnUps& turnUps_;
};

}  // namespace tablerun
