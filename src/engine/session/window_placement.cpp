#include "engine/session/window_placement.h"

#include <algorithm>

namespace tablerun {
namespace {

// Within [low, high]; `high` wins when the range is empty.
int fnWithin(std::int64_t value, std::int64_t low, std::int64_t high) {
  return static_cast<int>(std::min(std::max(value, low), high));
}

}  // namespace

TWindowPlacement fnFitWindowPlacement(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
                                      const TWindowPlacement& screen) {
  TWindowPlacement placed;
  placed.width = fnWithin(width, kSmallestWindowWidth, screen.width);
  placed.height = fnWithin(height, kSmallestWindowHeight, screen.height);
  placed.left = fnWithin(left, screen.left, std::int64_t{screen.left} + screen.width - placed.width);
  placed.top = fnWithin(top, screen.top, std::int64_t{screen.top} + screen.height - placed.height);
  return placed;
}

}  // namespace tablerun
