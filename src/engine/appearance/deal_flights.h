// The animated deal without pixels: the order the dealt cards leave the deck
// and where the deck stands.
#pragma once

#include <vector>

#include "engine/appearance/table_painting.h"
#include "engine/pointer/pile_geometry.h"

namespace tablerun {

struct TDealtCard {
  TPileRef pile;
  int position = 0;  // 0-based from the bottom
  friend bool operator==(const TDealtCard&, const TDealtCard&) = default;
};

// Reserves first, each from its bottom; then the tableau pile after pile
// where the game deals so, row by row otherwise.
std::vector<TDealtCard> fnDealOrder(const TTableView& view);

// The top left of the deck the cards leave: the first pile on the table of
// the stock (unless it is empty while its face-up pile is not), that face-up
// pile, a first reserve of at most one card, the waste and the first
// foundation; left of the table in the families whose deck stands there;
// otherwise the first tableau pile.
TPoint fnDealOrigin(const TPileGeometry& geometry);

}  // namespace tablerun
