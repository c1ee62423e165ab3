#include "engine/executor/stock_press.h"

#include "engine/executor/row_deals.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {
namespace {

constexpr TStockOperation kDealTableaus{TStockAction::DealTableaus};
constexpr TStockOperation kDealReserves{TStockAction::DealReserves};

TStockOperation TableauDeal(int number) { return {TStockAction::DealTableau, number}; }

TStockOperation ReserveDeal(int number) { return {TStockAction::DealReserve, number}; }

TStockOperation StockTurn(bool toSecondWaste) {
  return {toSecondWaste ? TStockAction::TurnToSecondWaste : TStockAction::TurnToWaste};
}

}  // namespace

bool TStockPress::TurnOrRedeal(bool toSecondWaste) {
  const bool stockEmpty = exec_.StockSize() == 0;
  if (exec_.Rule(rule::kRedealStyle) < 1) {
    if (!toSecondWaste && stockEmpty && state_.table.Pile(kMazzoVis).size() >= 6 && redeals_.RedealAllowed()) {
      return redeals_.TurnOverRedeal();
    }
  } else if ((stockEmpty || exec_.Rule(rule::kRedealStyle) == 6) && redeals_.RedealAllowed()) {
    if (redeals_.GatheringRedeal()) return true;
  }
  if (stockEmpty) return false;
  exec_.RecordUndo();
  return stockTurns_.TurnStock(toSecondWaste);
}

bool TStockPress::Press() {
  if (exec_.Rule(rule::kStockTurnsToWaste) != 1) return PressDealingStock();
  if (exec_.Rule(rule::kTableauRowDeal) == 9) return DealToShortPiles();
  return PressTurningStock();
}

bool TStockPress::PressDealingStock() {
  const int tableau = exec_.TableauPiles();
  const int reserves = exec_.Reserves();
  const auto tableauFlag = [&](int flag) {
    return exec_.Rule(rule::kTableauRowDeal) == flag ||
           (tableau > 0 && exec_.Rule(rule::kTableauRowDeal + tableau - 1) == flag);
  };
  const int firstReserve = exec_.Rule(rule::kReserveRowDeal);
  const bool reserveFlag1 =
      firstReserve == 1 || (reserves > 0 && exec_.Rule(rule::kReserveRowDeal + reserves - 1) == 1);

  if ((exec_.Rule(rule::kRedealStyle) >= 1 && exec_.StockSize() == 0) || exec_.Rule(rule::kRedealStyle) == 6)
    return moves_.ExecuteMove(1, TStockOperation{TStockAction::GatheringRedeal});
  if (tableauFlag(1)) {
    if (firstReserve == kFlagFaceDownReserve) return DealSteps({kDealTableaus, kDealReserves}, false);
    return moves_.ExecuteMove(1, kDealTableaus);
  }
  if (tableauFlag(2)) {
    if (exec_.View().AnyTableauEmpty(0, tableau - 1)) {
      state_.screen.ShowMessage(TMessageKind::Information, kFillGapsFirst);
      return false;
    }
    return moves_.ExecuteMove(1, kDealTableaus);
  }
  if (reserveFlag1) return moves_.ExecuteMove(1, kDealReserves);
  if (firstReserve == 3) {
    if (exec_.StockSize() == 8) return moves_.ExecuteMove(1, TStockOperation{TStockAction::DealAllTableaus});
    return DealSteps({kDealReserves, kDealReserves}, false);
  }
  if (firstReserve == 4) {
    // The reserve alternates with the stock-turn counter this press will reach.
    const TStockOperation reserve = ReserveDeal((exec_.stockTurns + 1) % 2 == 1 ? 1 : 2);
    return DealSteps({reserve, reserve, reserve}, exec_.NormalPlay());
  }
  if (exec_.Rule(rule::kTableauRowDeal) == 8 || exec_.Rule(rule::kRowDealMode) == 8) {
    std::vector<TStockOperation> deals;
    for (int i = 0; i < tableau; ++i) {
      if (exec_.Rule(rule::kTableauRowDeal + i) != 8) continue;
      for (int next = i + 2; next <= i + 5; ++next) deals.push_back(TableauDeal(next));
    }
    return DealSteps(deals, false);
  }
  if (tableauFlag(10)) {
    const int row = exec_.stockTurns + 1;
    std::vector<TStockOperation> deals;
    for (int pile = 8 * (row - 2) + 1; pile <= 8 * (row - 2) + 8; ++pile) deals.push_back(TableauDeal(pile));
    return DealSteps(deals, true);
  }
  if (tableauFlag(11)) {
    std::vector<TStockOperation> deals;
    for (int pile = 1; pile <= tableau; ++pile) deals.push_back(TableauDeal(pile));
    return DealSteps(deals, true);
  }
  if (tableauFlag(13)) {
    if (exec_.View().IsEmpty(fnFila(0))) return DealSteps({TableauDeal(1), TableauDeal(2)}, false);
    return exec_.View().IsEmpty(fnFila(2)) && moves_.ExecuteMove(1, TableauDeal(3));
  }
  if (tableauFlag(14)) {
    if (exec_.StockSize() > tableau) return moves_.ExecuteMove(1, kDealTableaus);
    std::vector<TStockOperation> deals;
    for (int pile = 1; pile <= exec_.StockSize() - 4; ++pile) deals.push_back(TableauDeal(pile));
    for (int reserve = 1; reserve <= 4; ++reserve) deals.push_back(ReserveDeal(reserve));
    return DealSteps(deals, false);
  }
  if (exec_.Rule(rule::kSecondWasteLayoutVariant) != 0) return moves_.ExecuteMove(1, StockTurn(true));
  return false;
}

bool TStockPress::PressTurningStock() {
  const TStockOperation turn = StockTurn(exec_.Rule(rule::kSecondWasteLayoutVariant) != 0);
  if (exec_.Rule(rule::kTableauRowDeal) == 15) {
    if (exec_.history.undoLog.Count(TEventKind::StockTurn) >= 3) return moves_.ExecuteMove(1, turn);
    return DealSteps({kDealTableaus}, true);
  }
  if (exec_.Rule(rule::kTurnOnlyWithEmptyWaste) == 1 && !exec_.View().IsEmpty(kMazzoVis)) return false;
  return moves_.ExecuteMove(1, turn);
}

bool TStockPress::DealToShortPiles() {
  const int mark = exec_.history.BeginPlayerStep();
  bool dealt = false;
  for (int i = 0; i < exec_.TableauPiles(); ++i) {
    for (int n = 0; n < 3 && exec_.View().Count(fnFila(i)) < 3; ++n) {
      if (exec_.StockSize() == 0 && !exec_.View().IsEmpty(kMazzoVis) && redeals_.RedealAllowed()) {
        exec_.SetEntry(entries::kRedealRound, exec_.Entry(entries::kRedealRound) + 1);
        exec_.RecordUndo();
        redeals_.PourWasteIntoStock();
      }
      if (exec_.StockSize() == 0) break;
      dealt = moves_.ExecuteMove(1, TableauDeal(i + 1)) || dealt;
    }
  }
  if (!dealt) return moves_.ExecuteMove(1, StockTurn(false));
  exec_.history.EndPlayerStep(mark);
  return true;
}

bool TStockPress::DealSteps(const std::vector<TStockOperation>& deals, bool logStockTurn) {
  const int mark = exec_.history.BeginPlayerStep();
  bool dealt = false;
  for (const TStockOperation& deal : deals) dealt = moves_.ExecuteMove(1, deal) || dealt;
  if (!dealt) return false;
  exec_.history.EndPlayerStep(mark);
  if (logStockTurn) exec_.LogStockTurn();
  return true;
}

}  // namespace tablerun
