// Which pile and card lie under a point of the table, and which piles a
// dragged rectangle may be dropped on, best first.
#pragma once

#include <optional>
#include <vector>

#include "engine/pointer/pile_geometry.h"

namespace tablerun {

struct THit {
  // 0 on an empty pile, a hole, or a pile without a card under the point.
  int card = 0;
  // Nothing when no pile is under the point.
  std::optional<TPileRef> pile;
  int position = -1;  // the card's position in its pile
  TRect rect;         // the card's rectangle
};

// Piles in the order stock group, tableau, foundations, reserves; the first
// hit wins. With forDrop an empty tableau pile or reserve is hit as well.
THit fnHitTest(const TPileGeometry& geometry, int x, int y, bool forDrop);

// Up to four piles whose top card place the rectangle overlaps, largest
// overlap first; equal overlaps by pile kind (waste, tableau, foundation,
// reserve), then by pile number.
std::vector<TPileRef> fnFindDropCandidates(const TPileGeometry& geometry, const TRect& dragged);

}  // namespace tablerun
