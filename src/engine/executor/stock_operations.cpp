// Turning the stock to the waste, dealing from it to piles, and the stock press.
#include <algorithm>

#include "engine/executor/executor.h"
#include "engine/state/tablerun_state.h"
#include "model/card.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {

constexpr const char* kFillGapsFirst = "Fill in any gaps in the tableau before dealing.";

// Deal flags: 1–15 take cards; these change how.
constexpr int kFlagFaceDownTableau = 6;
constexpr int kFlagFaceDownReserve = 5;
constexpr int kFlagOnlyOnCards = 7;

// A deal that names its pile deals to it whatever the pile's flag; the flag
// still says face down or only onto cards.
int NamedPileFlag(int flag) {
  return flag >= 1 && flag <= 15 ? flag : 1;
}

constexpr TStockOperation kDealTableaus{TStockAction::DealTableaus};
constexpr TStockOperation kDealReserves{TStockAction::DealReserves};

TStockOperation TableauDeal(int number) {
  return {TStockAction::DealTableau, number};
}

TStockOperation ReserveDeal(int number) {
  return {TStockAction::DealReserve, number};
}

TStockOperation StockTurn(bool toSecondWaste) {
  return {toSecondWaste ? TStockAction::TurnToSecondWaste : TStockAction::TurnToWaste};
}

}  // namespace

int TMoveExecutor::StockSize() const {
  return static_cast<int>(state_.table.Pile(kMazzo).size() / 3);
}

int TMoveExecutor::TakeStockTop() {
  std::string stock = state_.table.Pile(kMazzo);
  const int card = fnParseCardText(std::string_view(stock).substr(stock.size() - 3)).value_or(0);
  stock.resize(stock.size() - 3);
  state_.table.SetPile(kMazzo, stock);
  return card;
}

void TMoveExecutor::DiscardLastUndo() {
  history_.undo.DropLast();
  history_.undoLog.RemoveLast();
}

bool TMoveExecutor::RedealAllowed() const {
  return Rule(rule::kDeals) == -1 || Entry(entries::kRedealRound) < Rule(rule::kDeals);
}

bool TMoveExecutor::TurnOrRedeal(bool toSecondWaste) {
  const bool stockEmpty = StockSize() == 0;
  if (Rule(rule::kRedealStyle) < 1) {
    if (!toSecondWaste && stockEmpty && state_.table.Pile(kMazzoVis).size() >= 6 && RedealAllowed()) {
      return TurnOverRedeal();
    }
  } else if ((stockEmpty || Rule(rule::kRedealStyle) == 6) && RedealAllowed()) {
    if (GatheringRedeal()) return true;
  }
  if (stockEmpty) return false;
  RecordUndo();
  return TurnStock(toSecondWaste);
}

bool TMoveExecutor::TurnStock(bool toSecondWaste) {
  if (Rule(rule::kTableauRowDeal) == 12) DealInto(DealTargets(kDealTableaus));
  const TPileRef waste = toSecondWaste ? kMazzoWaste : kMazzoVis;
  for (int n = std::max(1, static_cast<int>(Rule(rule::kCardsPerTurn))); n > 0 && StockSize() > 0; --n) {
    Append(waste, TakeStockTop(), TCardFace::Up);
    PlaySound(cfg::kSoundStock, "Stock");
    UpdateWonFlag();
  }
  if (Rule(rule::kFamily) == 28) {
    ++stockTurns_;
    history_.undoLog.ReplaceLast(TEventKind::StockTurn);
  }
  return true;
}

std::vector<TMoveExecutor::TDealTarget> TMoveExecutor::DealTargets(const TStockOperation& deal) const {
  std::vector<TDealTarget> targets;
  const int tableau = TableauPiles();
  const int reserves = Reserves();
  switch (deal.action) {
    case TStockAction::DealTableaus:
    case TStockAction::DealAllTableaus:
    case TStockAction::FillTableaus:
      for (int i = 0; i < tableau; ++i) {
        const TPileRef pile = fnFila(i);
        int flag = Rule(rule::kTableauRowDeal + i);
        if (deal.action == TStockAction::DealAllTableaus) flag = 1;
        if (deal.action == TStockAction::FillTableaus) flag = state_.table.Pile(pile).empty() ? 1 : 0;
        targets.push_back({pile, flag});
      }
      break;
    case TStockAction::DealTableau:
      // A pile number a deal mode computed may lie beyond the game's piles.
      if (deal.pile >= 1 && deal.pile <= tableau)
        targets.push_back({fnFila(deal.pile - 1), NamedPileFlag(Rule(rule::kTableauRowDeal + deal.pile - 1))});
      break;
    case TStockAction::DealReserves: {
      // Redeal style 18 deals to fewer reserves each round.
      const int count =
          Rule(rule::kRedealStyle) == 18 ? std::clamp(4 - Entry(entries::kRedealRound), 0, reserves) : reserves;
      for (int i = 0; i < count; ++i) targets.push_back({fnAppogg(i), Rule(rule::kReserveRowDeal + i)});
      break;
    }
    case TStockAction::DealReserve:
      if (deal.pile >= 1 && deal.pile <= reserves)
        targets.push_back({fnAppogg(deal.pile - 1), NamedPileFlag(Rule(rule::kReserveRowDeal + deal.pile - 1))});
      break;
    default:
      break;
  }
  return targets;
}

bool TMoveExecutor::Deal(const TStockOperation& deal) {
  if (StockSize() == 0) return false;
  const bool toReserves = deal.action == TStockAction::DealReserves || deal.action == TStockAction::DealReserve;
  const bool reserveFaceDown = Rule(rule::kReserveRowDeal) == kFlagFaceDownReserve;
  if (toReserves && reserveFaceDown && Rule(rule::kDeals) != -1 && Entry(entries::kRedealRound) >= Rule(rule::kDeals))
    return false;
  if (toReserves && Rule(rule::kRedealStyle) == 18) {
    const TTableView view = View();
    const bool reservesHoldCards =
        !view.IsEmpty(fnAppogg(0)) || !view.IsEmpty(fnAppogg(1)) || !view.IsEmpty(fnAppogg(2));
    if (view.AnyTableauEmpty(0, TableauPiles() - 1) && reservesHoldCards) {
      state_.screen.ShowMessage(TMessageKind::Information, kFillGapsFirst);
      return false;
    }
  }
  SetEntry(entries::kDealRunning, 1);
  state_.runtime.SetFlag(TRuntimeFlag::DealFinished, false);
  const bool recorded = deal.action != TStockAction::FillTableaus;
  if (recorded) RecordUndo();
  const bool dealt = DealInto(DealTargets(deal));
  if (recorded && !dealt) DiscardLastUndo();
  // Face-down reserves show their cards once the stock is spent.
  if (dealt && reserveFaceDown && StockSize() == 0) {
    for (int i = 0; i < Reserves(); ++i) {
      const std::string& text = state_.table.Pile(fnAppogg(i));
      state_.cards.fnSetPileFaces(text, static_cast<int>(text.size() / 3), TCardFace::Up);
    }
  }
  SetEntry(entries::kDealRunning, 0);
  UpdateWonFlag();
  state_.runtime.SetFlag(TRuntimeFlag::DealFinished, true);
  return dealt;
}

bool TMoveExecutor::DealInto(const std::vector<TDealTarget>& targets) {
  bool dealt = false;
  for (const auto& [pile, flag] : targets) {
    if (flag < 1 || flag > 15) continue;
    if (flag == kFlagOnlyOnCards && state_.table.Pile(pile).empty()) continue;
    if (StockSize() == 0) break;
    const int card = TakeStockTop();
    if (Rule(rule::kTableauArrangement) == 8) state_.table.SetPile(fnFila(0), state_.table.Pile(fnFila(0)) + "000");
    const bool faceDown = pile.group == TPileGroup::Fila ? flag == kFlagFaceDownTableau : flag == kFlagFaceDownReserve;
    Append(pile, card, faceDown ? TCardFace::Down : TCardFace::Up);
    PlaySound(cfg::kSoundShuffle, "Shuffle");
    if (pile.group == TPileGroup::Fila) TransferCompletedRun(pile.entry);
    dealt = true;
  }
  return dealt;
}

bool TMoveExecutor::DealSteps(const std::vector<TStockOperation>& deals, bool logStockTurn) {
  const int mark = history_.BeginPlayerStep();
  bool dealt = false;
  for (const TStockOperation& deal : deals) dealt = ExecuteMove(1, deal) || dealt;
  if (!dealt) return false;
  history_.EndPlayerStep(mark);
  if (logStockTurn) {
    ++stockTurns_;
    history_.undoLog.ReplaceLast(TEventKind::StockTurn);
  }
  return true;
}

bool TMoveExecutor::PressStock() {
  const TStep step = EnterStep();
  bool changed = false;
  if (Rule(rule::kStockTurnsToWaste) != 1) {
    changed = PressDealingStock();
  } else if (Rule(rule::kTableauRowDeal) == 9) {
    changed = DealToShortPiles();
  } else {
    changed = PressTurningStock();
  }
  return LeavePlayerStep(step, changed);
}

bool TMoveExecutor::PressDealingStock() {
  const int tableau = TableauPiles();
  const int reserves = Reserves();
  const auto tableauFlag = [&](int flag) {
    return Rule(rule::kTableauRowDeal) == flag || (tableau > 0 && Rule(rule::kTableauRowDeal + tableau - 1) == flag);
  };
  const int firstReserve = Rule(rule::kReserveRowDeal);
  const bool reserveFlag1 = firstReserve == 1 || (reserves > 0 && Rule(rule::kReserveRowDeal + reserves - 1) == 1);

  if ((Rule(rule::kRedealStyle) >= 1 && StockSize() == 0) || Rule(rule::kRedealStyle) == 6)
    return ExecuteMove(1, TStockOperation{TStockAction::GatheringRedeal});
  if (tableauFlag(1)) {
    if (firstReserve == kFlagFaceDownReserve) return DealSteps({kDealTableaus, kDealReserves}, false);
    return ExecuteMove(1, kDealTableaus);
  }
  if (tableauFlag(2)) {
    if (View().AnyTableauEmpty(0, tableau - 1)) {
      state_.screen.ShowMessage(TMessageKind::Information, kFillGapsFirst);
      return false;
    }
    return ExecuteMove(1, kDealTableaus);
  }
  if (reserveFlag1) return ExecuteMove(1, kDealReserves);
  if (firstReserve == 3) {
    if (StockSize() == 8) return ExecuteMove(1, TStockOperation{TStockAction::DealAllTableaus});
    return DealSteps({kDealReserves, kDealReserves}, false);
  }
  if (firstReserve == 4) {
    // The reserve alternates with the stock-turn counter this press will reach.
    const TStockOperation reserve = ReserveDeal((stockTurns_ + 1) % 2 == 1 ? 1 : 2);
    return DealSteps({reserve, reserve, reserve}, NormalPlay());
  }
  if (Rule(rule::kTableauRowDeal) == 8 || Rule(rule::kRowDealMode) == 8) {
    std::vector<TStockOperation> deals;
    for (int i = 0; i < tableau; ++i) {
      if (Rule(rule::kTableauRowDeal + i) != 8) continue;
      for (int next = i + 2; next <= i + 5; ++next) deals.push_back(TableauDeal(next));
    }
    return DealSteps(deals, false);
  }
  if (tableauFlag(10)) {
    const int row = stockTurns_ + 1;
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
    if (View().IsEmpty(fnFila(0))) return DealSteps({TableauDeal(1), TableauDeal(2)}, false);
    return View().IsEmpty(fnFila(2)) && ExecuteMove(1, TableauDeal(3));
  }
  if (tableauFlag(14)) {
    if (StockSize() > tableau) return ExecuteMove(1, kDealTableaus);
    std::vector<TStockOperation> deals;
    for (int pile = 1; pile <= StockSize() - 4; ++pile) deals.push_back(TableauDeal(pile));
    for (int reserve = 1; reserve <= 4; ++reserve) deals.push_back(ReserveDeal(reserve));
    return DealSteps(deals, false);
  }
  if (Rule(rule::kSecondWasteLayoutVariant) != 0) return ExecuteMove(1, StockTurn(true));
  return false;
}

bool TMoveExecutor::PressTurningStock() {
  const TStockOperation turn = StockTurn(Rule(rule::kSecondWasteLayoutVariant) != 0);
  if (Rule(rule::kTableauRowDeal) == 15) {
    if (history_.undoLog.Count(TEventKind::StockTurn) >= 3) return ExecuteMove(1, turn);
    return DealSteps({kDealTableaus}, true);
  }
  if (Rule(rule::kTurnOnlyWithEmptyWaste) == 1 && !View().IsEmpty(kMazzoVis)) return false;
  return ExecuteMove(1, turn);
}

bool TMoveExecutor::DealToShortPiles() {
  const int mark = history_.BeginPlayerStep();
  bool dealt = false;
  for (int i = 0; i < TableauPiles(); ++i) {
    for (int n = 0; n < 3 && View().Count(fnFila(i)) < 3; ++n) {
      if (StockSize() == 0 && !View().IsEmpty(kMazzoVis) && RedealAllowed()) {
        SetEntry(entries::kRedealRound, Entry(entries::kRedealRound) + 1);
        RecordUndo();
        PourWasteIntoStock();
      }
      if (StockSize() == 0) break;
      dealt = ExecuteMove(1, TableauDeal(i + 1)) || dealt;
    }
  }
  if (!dealt) return ExecuteMove(1, StockTurn(false));
  history_.EndPlayerStep(mark);
  return true;
}

}  // namespace tablerun
