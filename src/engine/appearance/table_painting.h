// The arithmetic of painting the table that needs no pixels: how deep a
// stacked pile looks, the steps of a card's flight, the irregular-pile
// jitter, which mark an empty pile shows and when a foundation is complete.
#pragma once

#include <array>
#include <random>
#include <string>
#include <vector>

#include "engine/state/table_view.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

// Deepest edge of the stock group's piles and of the foundations.
inline constexpr int kStockDepthMax = 15;
inline constexpr int kFoundationDepthMax = 2;

// Pixels of depth edge under a stacked pile of `cards` cards.
int fnPileDepth(int cards, int maximum);

struct TPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Pixels per step along the longer axis of a flight of `distance` pixels.
int fnFlightStep(int distance, bool fast);
// Every place the picture is shown on its way, the end included; the other
// axis follows in proportion.
std::vector<TPoint> fnFlightPath(TPoint from, TPoint to, bool fast);

// Small sideways shifts of the cards of downward fans, new at every game.
class TJitterTable {
 public:
  TJitterTable() = default;
  explicit TJitterTable(std::mt19937_64& random);
  // Pixels to the right for the card at `position` of tableau pile `pile` (both 0-based).
  int Shift(int pile, int position) const;

 private:
  std::array<std::array<int, 13>, 7> rows_{};
};

// What an empty pile shows.
struct TEmptyMark {
  enum class TKind { None, Mark, Picture, Background };
  TKind kind = TKind::None;
  // A mark name for Mark; the number after W<size> for Picture ("021").
  std::string name;
  friend bool operator==(const TEmptyMark&, const TEmptyMark&) = default;
};

// The mark of an empty pile of the running game.
TEmptyMark fnEmptyMark(const TTablerunState& state, TPileRef pile, bool drawUsed);

// Whether foundation i (0-based) holds all the cards it is meant to.
bool fnFoundationComplete(const TTableView& view, int foundation);

// Whether the game's piles grow downwards without bound, so that the table
// may need a vertical scroll bar.
bool fnLayoutGrowsDownward(const TGameRules& rules);
// The table may show a vertical scroll bar: a game is loaded, its piles grow
// downward and the player allows the bar.
bool fnVerticalScrollBarAllowed(const TTablerunState& state);

}  // namespace tablerun
