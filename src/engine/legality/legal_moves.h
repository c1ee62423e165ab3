// Every legal card move of a position, as the tutor and the tool list them.
#pragma once

#include <vector>

#include "engine/legality/move_context.h"
#include "model/card_status_table.h"
#include "model/game_rules.h"
#include "model/table.h"

namespace tablerun {

// The card at `position` (0-based, from the bottom) of `from`, with every card
// above it unless `single`, put on `to`.
struct TCardMove {
  TPileRef from;
  int position;
  int card;
  bool single;
  TPileRef to;
};

// Each card that may leave its pile (the top cards, and the cards that head a
// movable group) tried on every pile of the game through CanPlace. Sources in
// the order waste, foundations, tableau piles, reserves, each from its top card
// down; destinations foundations, tableau piles, reserves. `game` carries the
// running game's counters; the shape of each move is filled in here. Silent:
// refusals that explain themselves are not shown.
std::vector<TCardMove> fnLegalMoves(const TTable& table, const TGameRules& rules, const TCardStatusTable& cards,
                                    const TMoveContext& game);

}  // namespace tablerun
