// Cards that go to the foundations by themselves right after the deal.
#include <algorithm>

#include "engine/deal/deal_steps.h"
#include "engine/state/table_view.h"
#include "model/build_codes.h"
#include "model/card.h"

namespace tablerun {
namespace {

constexpr int kAcesOverReserves = 98;

// Offers every position of the piles to `visit(pile, pileIndex, position)`,
// pile by pile from the bottom or row by row; a visit that moved the card away
// is repeated at the same place, which now holds the next card.
template <typename TVisit>
void fnScan(TDealWork& work, TPileGroup group, int piles, bool pileByPile, TVisit visit) {
  if (pileByPile) {
    for (int p = 0; p < piles; ++p) {
      for (int position = 0; position < work.Count({group, p});) {
        if (!visit(TPileRef{group, p}, p, position)) ++position;
      }
    }
    return;
  }
  for (int row = 0;; ++row) {
    bool reached = false;
    for (int p = 0; p < piles; ++p) {
      const TPileRef pile{group, p};
      while (row < work.Count(pile)) {
        reached = true;
        if (!visit(pile, p, row)) break;
      }
    }
    if (!reached) return;
  }
}

// The first foundation among [first, last], counted round from `start`, that takes the card; −1 for none.
int fnAcceptingFoundation(const TDealWork& work, int card, int first, int last, int start) {
  const int span = last - first + 1;
  for (int n = 0; n < span; ++n) {
    const int f = first + (start - first + n) % span;
    if (work.FoundationAccepts(f, card)) return f;
  }
  return -1;
}

// The top card of the stock, or of the waste when the stock is empty; 0 when both are.
int fnTakeStockTop(TDealWork& work) {
  const TPileRef from = work.Count(kMazzo) > 0 ? kMazzo : kMazzoVis;
  return work.RemoveAt(from, work.Count(from) - 1);
}

void fnPlayAcesOver(TDealWork& work, TPileGroup group, int piles) {
  const int last = work.Foundations() - 1;
  fnScan(work, group, piles, false, [&](TPileRef pile, int, int position) {
    const int card = work.CardAt(pile, position);
    if (card <= 0 || fnCardRank(card) != kAce) return false;
    const int f = fnAcceptingFoundation(work, card, 0, last, 0);
    if (f < 0) return false;
    work.MoveToFoundation(pile, position, f);
    if (const int replacement = fnTakeStockTop(work)) work.Put(pile, replacement, TCardFace::Up);
    return true;
  });
}

}  // namespace

void fnPlayDealtCards(TDealWork& work, TDealPlay play) {
  const bool pileByPile = work.Rule(rule::kStarterPlayByPile) != 0;
  const int last = work.Foundations() - 1;
  fnScan(work, TPileGroup::Fila, work.TableauPiles(), pileByPile, [&](TPileRef pile, int pileIndex, int position) {
    const int card = work.CardAt(pile, position);
    if (card <= 0) return false;
    int f = -1;
    switch (play) {
      case TDealPlay::AllInOrder: f = fnAcceptingFoundation(work, card, 0, last, 0); break;
      case TDealPlay::FromPileIndex:
        if (last >= 0) f = fnAcceptingFoundation(work, card, 0, last, pileIndex % (last + 1));
        break;
      case TDealPlay::ByPosition: {
        const int p = pileByPile ? position : pileIndex;
        if (p <= 3)
          f = fnAcceptingFoundation(work, card, 0, std::min(3, last), 0);
        else if (p >= 6 && p <= 9)
          f = fnAcceptingFoundation(work, card, 4, std::min(7, last), 4);
        else
          f = fnAcceptingFoundation(work, card, 0, std::min(7, last), 0);
        break;
      }
    }
    if (f < 0) return false;
    work.MoveToFoundation(pile, position, f);
    return true;
  });
}

void fnPlayAcesWithReplacement(TDealWork& work) {
  if (work.Rule(rule::kFoundationStarter) != kAcesOverReserves) {
    fnPlayAcesOver(work, TPileGroup::Fila, work.TableauPiles());
    return;
  }
  // The Aces go up while every foundation builds in suit, then the game's own code returns.
  const int build = work.Rule(rule::kFoundationBuild);
  const int inSuit = static_cast<int>(TBuildCode::SameSuit);
  for (int f = 0; f < fnPileGroupSize(TPileGroup::Dest); ++f) work.SetRule(rule::kFoundationBuild + f, inSuit);
  fnPlayAcesOver(work, TPileGroup::Appogg, work.Reserves());
  for (int f = 0; f < fnPileGroupSize(TPileGroup::Dest); ++f) work.SetRule(rule::kFoundationBuild + f, build);
}

}  // namespace tablerun
