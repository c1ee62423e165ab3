// Moving a card the player chose to a destination: a drop tries the piles
// under the dragged rectangle, a click move searches the table for the best
// place. Legality decides, the executor moves.
#pragma once

#include <optional>
#include <vector>

#include "engine/executor/executor.h"
#include "engine/pointer/pile_geometry.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

// Where a click move may send a card.
struct TMoveTargets {
  bool foundations = false;
  bool tableau = false;
  bool reserves = false;
};

class TPlayMoves {
 public:
  TPlayMoves(TTablerunState& state, TMoveExecutor& executor) : state_(state), executor_(executor) {}

  // One destination. A drop (`dragged` given) needs the rectangle to overlap
  // the destination's top card place; click moves choose without one.
  // `single`: the card alone, otherwise with every card above it.
  bool TryMoveTo(int card, bool single, TPileRef to, const std::optional<TRect>& dragged);
  // The candidates under the rectangle in turn, or only `target` when given
  // (the second click of click-click mode).
  bool DropCard(int card, bool single, const TRect& dragged, std::optional<TPileRef> target);
  // Foundations, then tableau piles holding cards, then empty ones, then
  // reserves and the waste, as far as `targets` allows.
  bool MoveToBestPlace(int card, bool single, TMoveTargets targets);
  // A click on a card: moves it when it may leave its pile.
  bool ClickMove(int card, bool toFoundations, bool toTableau);

  // Whether the card, with the cards above it, moves as a group.
  bool MovesAsGroup(int card) const;

 private:
  TTableView View() const { return TTableView(state_.table, state_.rules, state_.cards); }
  int Rule(TRuleSlot slot) const { return state_.rules.Get(slot); }
  bool WasteAccepts(int card, bool single) const;
  bool FoundationAllowed(int f) const;
  // Tries each pile in turn, skipping the card's own pile and absent ones.
  bool TryEach(int card, bool single, const std::vector<TPileRef>& piles);

  TTablerunState& state_;
  TMoveExecutor& executor_;
};

}  // namespace tablerun
