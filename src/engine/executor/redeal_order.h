// The fixed order in which a gathering redeal deals its cards back: no random
// numbers, so a replayed game redeals the same way.
#pragma once

#include <vector>

namespace tablerun {

// Start in the middle; take a card, step on by 2 after an odd number of cards
// taken and by 5 after an even one, going round to the first card past the end.
// Ten cards c0 … c9 come out c5 c8 c0 c3 c1 c6 c2 c9 c4 c7.
std::vector<int> fnRedealOrder(std::vector<int> gathered);

}  // namespace tablerun
