#include "engine/deal/initial_deal.h"

#include <algorithm>

#include "engine/deal/deal_steps.h"
#include "engine/deal/game_number.h"
#include "engine/state/table_view.h"
#include "model/card.h"
#include "model/deal.h"

namespace tablerun {
namespace {

constexpr int kKingOrBelowBase = 91;
constexpr int kHolesBetweenCards = 8;
constexpr int kFamilyAcesFromReserve = 11;
constexpr int kFamilyHeartsPair = 22;

// Rule slot 382 + i above 1000: one chosen card rather than a count.
void fnDealSpecialCards(TDealWork& work) {
  for (int i = 0; i < fnPileGroupSize(TPileGroup::Fila); ++i) {
    const int value = work.Rule(rule::kTableauDeal + i);
    if (value >= 1001 && value <= 1013) {
      const int card = work.TakeFirstWhere([&](int c) { return fnCardRank(c) == value - 1000; });
      if (card > 0) work.Put(fnFila(i), card, TCardFace::Down);
      work.ApplyFaces(fnFila(i), work.Rule(rule::kTableauFaces + i));
    } else if (value >= 1501 && value <= 1504) {
      const int joker = kFirstJoker + value - 1501;
      if (work.Take(joker)) work.Put(fnFila(i), joker, TCardFace::Up);
      work.ApplyFaces(fnFila(i), work.Rule(rule::kTableauFaces + i));
    }
  }
}

void fnDealCounts(TDealWork& work) {
  const int stock = work.Rule(rule::kStockDeal);
  work.DealTo(kMazzo, stock, work.Rule(rule::kStockFace) == 0 ? stock : 0);
  if (work.Rule(rule::kWasteDeal) > 0) work.DealTo(kMazzoVis, work.Rule(rule::kWasteDeal), work.Rule(rule::kWasteDeal));
  for (int i = 0; i < fnPileGroupSize(TPileGroup::Fila); ++i) {
    const int count = work.Rule(rule::kTableauDeal + i);
    if (count >= 1 && count <= 1000) work.DealTo(fnFila(i), count, work.Rule(rule::kTableauFaces + i));
  }
  work.DealTo(kMazzoWaste, work.Rule(rule::kSecondWasteDeal), work.Rule(rule::kSecondWasteDeal));
  for (int i = 0; i < fnPileGroupSize(TPileGroup::Appogg); ++i) {
    if (work.Rule(rule::kReserveDeal + i) > 0) {
      work.DealTo(fnAppogg(i), work.Rule(rule::kReserveDeal + i), work.Rule(rule::kReserveFaces + i));
    }
  }
}

void fnResolveEmptyRules(TDealWork& work) {
  const int base = work.Rule(rule::kFoundationBase);
  for (int i = 0; i < fnPileGroupSize(TPileGroup::Fila); ++i) {
    if (work.Rule(rule::kTableauEmpty + i) == kKingOrBelowBase)
      work.SetRule(rule::kTableauEmpty + i, base == 1 ? 13 : base - 1);
  }
}

void fnDealToAll(TDealWork& work) {
  fnFilterDeck(work);
  fnStartFoundations(work);
  if (const int code = work.Rule(rule::kSecondWasteStarter); code != 0) {
    const int card = code > 100 ? code - 100 : code;
    if (work.Take(card)) work.Put(kMazzoWaste, card, TCardFace::Up);
  }
  fnDealSpecialCards(work);
  fnDealCounts(work);
  fnApplyStartMode(work);
  fnResolveEmptyRules(work);
  if (work.Rule(rule::kExtraFoundationCard) == 1) {
    if (const int card = work.TakeFirst()) work.Put(fnDest(0), card, TCardFace::Up);
  }
  if (work.Rule(rule::kFamily) == kFamilyAcesFromReserve) fnDealAcesFromReserve(work);
  const int starter = work.Rule(rule::kFoundationStarter);
  if (starter >= 93 && starter <= 95) fnPlayDealtCards(work, static_cast<TDealPlay>(starter));
  if (starter == 96 || starter == 98) fnPlayAcesWithReplacement(work);
  if (work.Rule(rule::kKingsToBottom) == 1) fnKingsToBottom(work);
  if (work.Rule(rule::kFamily) == kFamilyHeartsPair) fnDealHeartsPair(work);
  fnArrangeDeal(work);
  if (work.Rule(rule::kTableauArrangement) == kHolesBetweenCards) fnAlternateHoles(work);
}

}  // namespace

bool fnInitialDeal(TTablerunState& state) {
  state.table.Clear();
  std::vector<int> deck = fnGameNumberCardsArray(state.config.Read(cfg::kGameNumber), state.rules, state.screen);
  if (std::find(deck.begin(), deck.end(), 0) != deck.end()) return false;
  TDealWork work(state, std::move(deck));
  fnDealToAll(work);
  return true;
}

}  // namespace tablerun
