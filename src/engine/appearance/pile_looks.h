// How the game's rules and the player's choices make piles look: which piles
// of the stock group show backs, flat foundations, the irregular tableau and
// the highlight of complete foundations.
#pragma once

#include "engine/state/table_view.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

// Whether the cards of stock-group pile `entry` (0 the stock, 1 its face-up
// pile, 2 the waste) lie face down.
bool fnStockPileFaceDown(const TGameRules& rules, int entry);

// Foundations of arrangements 2 and 7 lie flat, without depth edges.
bool fnFoundationsFlat(const TGameRules& rules);

// Tableau cards are shifted sideways by the jitter: the player left
// "Irregular piles" on and the tableau fans downward.
bool fnIrregularTableau(const TTablerunState& state);

// How complete foundations stand out: `style` 0 for not at all, otherwise a
// fill pattern 1-5; `colour` one of the 15 highlight colours, 0-14.
struct TFoundationHighlight {
  int style = 0;
  int colour = 0;
  friend bool operator==(const TFoundationHighlight&, const TFoundationHighlight&) = default;
};
TFoundationHighlight fnFoundationHighlight(const TTablerunState& state);
// Whether foundation `foundation` (0-based) stands out: the game highlights
// complete foundations and this one holds all its cards.
bool fnFoundationHighlighted(const TTablerunState& state, const TTableView& view, int foundation);

}  // namespace tablerun
