// Deals from the stock to the tableau and reserve piles, one card to each
// pile the deal's flags allow.
#pragma once

#include <vector>

#include "engine/executor/completed_run.h"
#include "engine/executor/executor_state.h"

namespace tablerun {

// Deal flag of a reserve that takes its cards face down.
inline constexpr int kFlagFaceDownReserve = 5;
inline constexpr const char* kFillGapsFirst = "Fill in any gaps in the tableau before dealing.";

class TRowDeals {
 public:
  TRowDeals(TExecutorState& exec, TCompletedRuns& completedRuns)
      : exec_(exec), state_(exec.state), completedRuns_(completedRuns) {}

  // A deal operation, recorded for undo (a fill of the empty piles is not).
  bool Deal(const TStockOperation& deal);
  // Only the cards of the deal, inside a step that recorded itself.
  bool DealCards(const TStockOperation& deal);

 private:
  struct TDealTarget {
    TPileRef pile;
    int flag;  // the pile's deal flag as this deal reads it
  };
  std::vector<TDealTarget> DealTargets(const TStockOperation& deal) const;
  bool DealInto(const std::vector<TDealTarget>& targets);

  TExecutorState& exec_;
  TTablerunState& state_;
  TCompletedRuns& completedRuns_;
};

}  // namespace tablerun
