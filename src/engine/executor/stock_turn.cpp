#include "engine/executor/stock_turn.h"

#include <algorithm>

#include "engine/state/tablerun_state.h"

namespace tablerun {

bool TStockTurns::TurnStock(bool toSecondWaste) {
  if (exec_.Rule(rule::kTableauRowDeal) == 12) rowDeals_.DealCards(TStockOperation{TStockAction::DealTableaus});
  const TPileRef waste = toSecondWaste ? kMazzoWaste : kMazzoVis;
  for (int n = std::max(1, static_cast<int>(exec_.Rule(rule::kCardsPerTurn))); n > 0 && exec_.StockSize() > 0; --n) {
    exec_.Append(waste, exec_.TakeStockTop(), TCardFace::Up);
    exec_.PlaySound(cfg::kSoundStock, "Stock");
    exec_.UpdateWonFlag();
  }
  if (exec_.Rule(rule::kFamily) == 28) exec_.LogStockTurn();
  return true;
}

}  // namespace tablerun
