#include "engine/executor/row_deals.h"

#include <algorithm>

#include "engine/state/tablerun_state.h"

namespace tablerun {
namespace {

// Deal flags: 1–15 take cards; these change how.
constexpr int kFlagFaceDownTableau = 6;
constexpr int kFlagOnlyOnCards = 7;

// A deal that names its pile deals to it whatever the pile's flag; the flag
// still says face down or only onto cards.
int NamedPileFlag(int flag) { return flag >= 1 && flag <= 15 ? flag : 1; }

}  // namespace

std::vector<TRowDeals::TDealTarget> TRowDeals::DealTargets(const TStockOperation& deal) const {
  std::vector<TDealTarget> targets;
  const int tableau = exec_.TableauPiles();
  const int reserves = exec_.Reserves();
  switch (deal.action) {
    case TStockAction::DealTableaus:
    case TStockAction::DealAllTableaus:
    case TStockAction::FillTableaus:
      for (int i = 0; i < tableau; ++i) {
        const TPileRef pile = fnFila(i);
        int flag = exec_.Rule(rule::kTableauRowDeal + i);
        if (deal.action == TStockAction::DealAllTableaus) flag = 1;
        if (deal.action == TStockAction::FillTableaus) flag = state_.table.Pile(pile).empty() ? 1 : 0;
        targets.push_back({pile, flag});
      }
      break;
    case TStockAction::DealTableau:
      // A pile number a deal mode computed may lie beyond the game's piles.
      if (deal.pile >= 1 && deal.pile <= tableau)
        targets.push_back({fnFila(deal.pile - 1), NamedPileFlag(exec_.Rule(rule::kTableauRowDeal + deal.pile - 1))});
      break;
    case TStockAction::DealReserves: {
      // Redeal style 18 deals to fewer reserves each round.
      const int count = exec_.Rule(rule::kRedealStyle) == 18
                            ? std::clamp(4 - exec_.Entry(entries::kRedealRound), 0, reserves)
                            : reserves;
      for (int i = 0; i < count; ++i) targets.push_back({fnAppogg(i), exec_.Rule(rule::kReserveRowDeal + i)});
      break;
    }
    case TStockAction::DealReserve:
      if (deal.pile >= 1 && deal.pile <= reserves)
        targets.push_back({fnAppogg(deal.pile - 1), NamedPileFlag(exec_.Rule(rule::kReserveRowDeal + deal.pile - 1))});
      break;
    default: break;
  }
  return targets;
}

bool TRowDeals::Deal(const TStockOperation& deal) {
  if (exec_.StockSize() == 0) return false;
  const bool toReserves = deal.action == TStockAction::DealReserves || deal.action == TStockAction::DealReserve;
  const bool reserveFaceDown = exec_.Rule(rule::kReserveRowDeal) == kFlagFaceDownReserve;
  if (toReserves && reserveFaceDown && exec_.Rule(rule::kDeals) != -1 &&
      exec_.Entry(entries::kRedealRound) >= exec_.Rule(rule::kDeals))
    return false;
  if (toReserves && exec_.Rule(rule::kRedealStyle) == 18) {
    const TTableView view = exec_.View();
    const bool reservesHoldCards =
        !view.IsEmpty(fnAppogg(0)) || !view.IsEmpty(fnAppogg(1)) || !view.IsEmpty(fnAppogg(2));
    if (view.AnyTableauEmpty(0, exec_.TableauPiles() - 1) && reservesHoldCards) {
      state_.screen.ShowMessage(TMessageKind::Information, kFillGapsFirst);
      return false;
    }
  }
  exec_.SetEntry(entries::kDealRunning, 1);
  state_.runtime.SetFlag(TRuntimeFlag::DealFinished, false);
  const bool recorded = deal.action != TStockAction::FillTableaus;
  if (recorded) exec_.RecordUndo();
  const bool dealt = DealInto(DealTargets(deal));
  if (recorded && !dealt) exec_.DiscardLastUndo();
  // Face-down reserves show their cards once the stock is spent.
  if (dealt && reserveFaceDown && exec_.StockSize() == 0) {
    for (int i = 0; i < exec_.Reserves(); ++i) {
      const std::string& text = state_.table.Pile(fnAppogg(i));
      state_.cards.fnSetPileFaces(text, static_cast<int>(text.size() / 3), TCardFace::Up);
    }
  }
  exec_.SetEntry(entries::kDealRunning, 0);
  exec_.UpdateWonFlag();
  state_.runtime.SetFlag(TRuntimeFlag::DealFinished, true);
  return dealt;
}

bool TRowDeals::DealCards(const TStockOperation& deal) { return DealInto(DealTargets(deal)); }

bool TRowDeals::DealInto(const std::vector<TDealTarget>& targets) {
  bool dealt = false;
  for (const auto& [pile, flag] : targets) {
    if (flag < 1 || flag > 15) continue;
    if (flag == kFlagOnlyOnCards && state_.table.Pile(pile).empty()) continue;
    if (exec_.StockSize() == 0) break;
    const int card = exec_.TakeStockTop();
    if (exec_.Rule(rule::kTableauArrangement) == 8)
      state_.table.SetPile(fnFila(0), state_.table.Pile(fnFila(0)) + "000");
    const bool faceDown = pile.group == TPileGroup::Fila ? flag == kFlagFaceDownTableau : flag == kFlagFaceDownReserve;
    exec_.Append(pile, card, faceDown ? TCardFace::Down : TCardFace::Up);
    exec_.PlaySound(cfg::kSoundShuffle, "Shuffle");
    if (pile.group == TPileGroup::Fila) completedRuns_.Transfer(pile.entry);
    dealt = true;
  }
  return dealt;
}

}  // namespace tablerun
