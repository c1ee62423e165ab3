// Rule slot 1: how the deck's next card starts the foundations once the piles
// are dealt, and which base ranks follow from it.
#include "engine/deal/deal_steps.h"
#include "engine/state/table_view.h"
#include "model/card.h"

namespace tablerun {
namespace {

enum TStartMode {
  kStartOne = 1,
  kStartEach = 2,
  kStartAboveReserves = 3,
  kStartFourAndFour = 4,
  kStartDescending = 6,
  kStartByRank = 7,
  kStartFromMiddle = 8,
};

int fnAbove(int rank) { return rank == kKing ? kAce : rank + 1; }
int fnBelow(int rank) { return rank == kAce ? kKing : rank - 1; }

void fnSetBaseRanks(TDealWork& work, int first, int last, int rank) {
  for (int f = first; f <= last; ++f) work.SetRule(rule::kFoundationBase + f, rank);
}

// The deck's first card face up on foundation f; 0 when the deck is empty.
int fnStartWithFirst(TDealWork& work, int f) {
  const int card = work.TakeFirst();
  if (card > 0) work.Put(fnDest(f), card, TCardFace::Up);
  return card;
}

void fnStartEach(TDealWork& work) {
  for (int f = 0; f < work.Foundations(); ++f) fnStartWithFirst(work, f);
  const int first = work.CardAt(fnDest(0), 0);
  if (first > 0) fnSetBaseRanks(work, 0, work.Foundations() - 1, fnCardRank(first));
}

void fnStartAboveReserves(TDealWork& work) {
  for (int f = 0; f < work.Foundations(); ++f) {
    const int bottom = work.CardAt(fnAppogg(f), 0);
    if (bottom > 0) work.SetRule(rule::kFoundationBase + f, fnAbove(fnCardRank(bottom)));
  }
}

void fnStartByRank(TDealWork& work) {
  const int card = work.TakeFirst();
  if (card == 0) return;
  const int rank = fnCardRank(card);
  if (rank < kAce || rank > kKing) return;
  if (rank == kJack)
    work.Put(fnFila(0), card, TCardFace::Up);
  else
    work.Put(fnDest(rank < kJack ? rank - 1 : rank - 2), card, TCardFace::Up);
  work.State().mainGame.Set(entries::kFamilyScratch, static_cast<int16_t>(fnCardSuit(card)));
}

}  // namespace

void fnApplyStartMode(TDealWork& work) {
  switch (work.Rule(rule::kFoundationStartMode)) {
    case kStartOne:
      if (const int card = fnStartWithFirst(work, 0)) {
        fnSetBaseRanks(work, 0, 15, fnStarterBaseRank(card));
      }
      break;
    case kStartEach: fnStartEach(work); break;
    case kStartAboveReserves: fnStartAboveReserves(work); break;
    case kStartFourAndFour:
      if (const int card = fnStartWithFirst(work, 0)) {
        fnSetBaseRanks(work, 1, 3, fnCardRank(card));
        fnSetBaseRanks(work, 4, 7, fnAbove(fnCardRank(card)));
      }
      break;
    case kStartDescending:
      if (const int card = fnStartWithFirst(work, 0)) {
        work.SetRule(rule::kFoundationBase, fnCardRank(card));
        for (int f = 1; f < work.Foundations(); ++f)
          work.SetRule(rule::kFoundationBase + f, fnBelow(work.Rule(rule::kFoundationBase + f - 1)));
      }
      break;
    case kStartByRank: fnStartByRank(work); break;
    case kStartFromMiddle:
      if (const int card = fnStartWithFirst(work, 4)) {
        const int rank = fnCardRank(card);
        work.SetRule(rule::kSpecialRank, rank);
        fnSetBaseRanks(work, 0, 3, fnAbove(rank));
        fnSetBaseRanks(work, 5, 8, fnBelow(rank));
      }
      break;
    default: break;
  }
}

}  // namespace tablerun
