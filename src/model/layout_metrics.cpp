#include <algorithm>
#include <array>
#include <limits>

#include "model/layout.h"
#include "model/layout_run.h"

namespace tablerun {
namespace {

struct TCardSizeRow {
  char letter;
  TCardSizeSteps steps;
};

// Smallest first; 'B' is the size of a new player and of unknown letters.
constexpr std::array<TCardSizeRow, 5> kCardSizes{{
    {'L', {25, 32, 3, 3, 3, 3, 3, 4, 3}},
    {'M', {59, 80, 14, 4, 10, 4, 5, 8, 6}},
    {'B', {71, 96, 18, 4, 12, 4, 7, 12, 8}},
    {'S', {85, 115, 21, 5, 14, 4, 7, 12, 8}},
    {'X', {102, 138, 24, 6, 16, 4, 7, 12, 8}},
}};
constexpr std::size_t kDefaultSize = 2;

constexpr int kTaskBar = 30;
constexpr int kTitleAndMenu = 46;
constexpr int kToolBar = 50;
constexpr int kStatusBar = 20;

}  // namespace

const TCardSizeSteps& fnCardSizeSteps(char letter) {
  const auto row = std::find_if(kCardSizes.begin(), kCardSizes.end(),
                                [letter](const TCardSizeRow& size) { return size.letter == letter; });
  return (row != kCardSizes.end() ? *row : kCardSizes[kDefaultSize]).steps;
}

int16_t fnToEntry(int value) {
  return static_cast<int16_t>(
      std::clamp(value, int{std::numeric_limits<int16_t>::min()}, int{std::numeric_limits<int16_t>::max()}));
}

int TLayoutMetrics::CardWidth() const { return fnCardSizeSteps(cardSize).width; }
int TLayoutMetrics::CardHeight() const { return fnCardSizeSteps(cardSize).height; }

bool TLayoutMetrics::IsCardSize(char letter) {
  return std::any_of(kCardSizes.begin(), kCardSizes.end(),
                     [letter](const TCardSizeRow& size) { return size.letter == letter; });
}

TLayoutMetrics fnMaximisedWindowMetrics(int screenWidth, int screenHeight, char cardSize, int shadowDepth) {
  TLayoutMetrics metrics;
  metrics.screenWidth = screenWidth;
  metrics.screenHeight = screenHeight;
  metrics.windowHeight = screenHeight - kTaskBar;
  metrics.frameHeight = kTitleAndMenu;
  metrics.tableWidth = screenWidth;
  metrics.tableHeight = metrics.windowHeight - kTitleAndMenu - kStatusBar;
  metrics.top = kToolBar;
  metrics.cardSize = cardSize;
  metrics.shadowDepth = shadowDepth;
  return metrics;
}

}  // namespace tablerun
