#include "engine/executor/redeal_order.h"

namespace tablerun {

std::vector<int> fnRedealOrder(std::vector<int> gathered) {
  std::vector<int> order;
  order.reserve(gathered.size());
  std::size_t index = gathered.size() / 2;
  while (!gathered.empty()) {
    if (index >= gathered.size()) index = 0;
    order.push_back(gathered[index]);
    gathered.erase(gathered.begin() + static_cast<std::ptrdiff_t>(index));
    index += order.size() % 2 == 1 ? 2U : 5U;
  }
  return order;
}

}  // namespace tablerun
