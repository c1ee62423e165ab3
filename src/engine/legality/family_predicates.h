// The placement and release tests of the game families that move legality
// calls at fixed points (build codes, the reserve lift rule, the row release
// of rule slots 27 and 28). i is a 0-based pile index; each answers yes or no
// from the table as it is.
#pragma once

#include "engine/legality/move_context.h"
#include "engine/state/table_view.h"

namespace tablerun {

// Build codes 5 and 122: foundations built side by side. A started foundation
// takes its own suit; an empty one its base rank (5, opensAtBaseRank) or a
// colour and suit the first foundations leave free (122); beyond the first,
// only a rank the foundation before already holds.
bool fnParallelFoundationAccepts(const TTableView& view, int card, int i, bool opensAtBaseRank);

// Build codes 38, 45 and 48 while the waste holds cards: a card of `rank`
// opens the first empty tableau pile; any other card goes on the last pile of
// the row. Cards already on the tableau stay.
bool fnRowEndAccepts(const TTableView& view, int card, int i, int rank);

// Build codes 58 and 64 on an empty foundation: Aces on foundations 0 and 1,
// Kings on 2 and 3, each pair in one colour and the pairs in the other.
bool fnCornerFoundationAccepts(const TTableView& view, int card, int i);

// Build code 62 (family 30): Jacks and Kings open foundations while their
// partner (Ace, Queen) lies free; the rest follow one rank down in suit.
bool fnPartnerAccepts(const TTableView& view, int card, int target, int i);

// Build code 67: an empty tableau pile takes a card from outside the tableau.
bool fnOutsideCardFillsEmpty(const TTableView& view, int card, int i);

// Build code 94 and the reserve lift rule −14: reserves 0–4 and 5–9 form two
// rows; a reserve is free when every later reserve of its row is empty.
bool fnReserveIsFree(const TTableView& view, int reserve);

// Build codes 138 and 139: tableau piles 14–25 form a grid of three rows of
// four inside a border of piles 0–13; a grid pile is free when a border pile
// of its row or of its column is empty.
bool fnInnerGridIsFree(const TTableView& view, int p);

// Build code 113: a 5 × 5 grid filled one neighbour after another, starting
// from the pile the last card went to (the family's entry 122).
bool fnGridStepAccepts(const TTableView& view, const TMoveContext& context, int i);

// Rule slots 27 and 28: the tableau as rows of piles; a pile is free when the
// piles below it in its column are empty.
bool fnRowReleases(const TTableView& view, int p);

// Family 23: a tableau card may go to a foundation after every twentieth
// tableau move, or once the waste is empty.
bool fnTableauMoveReleases(const TTableView& view, const TMoveContext& context);

}  // namespace tablerun
