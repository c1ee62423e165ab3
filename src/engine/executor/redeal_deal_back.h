// The gathering redeals that take the tableau in and deal it back, each
// redeal style gathering and dealing in its own order.
#pragma once

#include <vector>

#include "engine/executor/executor_state.h"

namespace tablerun {

class TRedealDealBack {
 public:
  explicit TRedealDealBack(TExecutorState& exec) : exec_(exec), state_(exec.state) {}

  // False when the style found nothing to gather.
  bool GatherAndDealBack(int style);

 private:
  std::vector<int> GatherForDealing(int style);
  void DealBack(int style, const std::vector<int>& order);
  void DealBackInTurn(int style, const std::vector<int>& order);
  void ClockDealBack(const std::vector<int>& order);
  void LeadingRunDealBack(const std::vector<int>& order);
  void UnderWasteDealBack(const std::vector<int>& order);
  std::vector<int> AcesFirst(std::vector<int> order);

  TExecutorState& exec_;
  TTablerunState& state_;
};

}  // namespace tablerun
