// Where the cards of each pile lie on the window, read from the layout's
// position tables and fan steps: what hit-testing, dropping and the drag
// image need to know about rectangles.
#pragma once

#include <vector>

#include "engine/state/table_view.h"
#include "engine/state/tablerun_state.h"
#include "model/main_game.h"

namespace tablerun {

// Window coordinates; right and bottom lie just outside.
struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  TRect Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// The area both rectangles cover; 0 when they do not meet.
long fnOverlapArea(const TRect& a, const TRect& b);

class TPileGeometry {
 public:
  TPileGeometry(const TTableView& view, const TMainGame& game, int cardWidth, int cardHeight)
      : view_(view), game_(game), cardWidth_(cardWidth), cardHeight_(cardHeight) {}

  const TTableView& View() const { return view_; }
  int CardWidth() const { return cardWidth_; }
  int CardHeight() const { return cardHeight_; }

  // Absent piles, and piles past the game's counts, are not on the table.
  bool OnTable(TPileRef pile) const;
  // The pile's card at `position` (0-based from the bottom; the pile's first
  // position when it is empty).
  TRect CardRect(TPileRef pile, int position) const;
  // Every position's rectangle, bottom first, in one pass over the pile:
  // what asks about all cards must not ask card by card.
  std::vector<TRect> CardRects(TPileRef pile) const;
  // The card rectangle where the next card would lie on the pile's top.
  TRect TopRect(TPileRef pile) const;
  // From the first card to the end of the fan.
  TRect PileRect(TPileRef pile) const;
  // The position of the card seen at the point: cards above cover the ones
  // below, so the first card from the top that contains it; −1 for none.
  int PositionAt(TPileRef pile, int x, int y) const;

 private:
  // The pile's fan style: the tableau, foundation or reserve arrangement.
  int FanStyle(TPileRef pile) const;
  // Offsets from the pile's first card of every position up to `last`, from
  // the bottom; `visit(position, dx, dy)` sees each in turn.
  template <typename TVisit>
  void Offsets(TPileRef pile, int last, TVisit visit) const;
  int OriginX(TPileRef pile) const;
  int OriginY(TPileRef pile) const;

  TTableView view_;
  const TMainGame& game_;
  int cardWidth_;
  int cardHeight_;
};

// The running game's piles at the current card size (configuration position 128).
TPileGeometry fnPileGeometry(const TTablerunState& state);

}  // namespace tablerun
