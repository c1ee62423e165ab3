// Deal steps of single game families and the small reshapings after the deal.
#include "engine/deal/deal_steps.h"
#include "engine/state/table_view.h"
#include "model/card.h"

namespace tablerun {
namespace {

constexpr int kHeartsQueen = 12;
constexpr int kHeartsKing = 13;

// Takes the card from the deck or from whichever pile holds it; false when neither does.
bool fnTakeFromAnywhere(TDealWork& work, int card) {
  return work.Take(card) || work.State().table.fnFindAndRemove(card) != -1;
}

}  // namespace

void fnDealAcesFromReserve(TDealWork& work) {
  const TPileRef reserve = fnAppogg(0);
  int acesTaken = 0;
  for (int position = 0; position < work.Count(reserve);) {
    const int card = work.CardAt(reserve, position);
    if (fnCardRank(card) != kAce || acesTaken + 1 >= fnPileGroupSize(TPileGroup::Dest)) {
      ++position;
      continue;
    }
    work.RemoveAt(reserve, position);
    ++acesTaken;
    work.SetCards(fnDest(acesTaken), {});
    work.Put(fnDest(acesTaken), card, TCardFace::Up);
  }
  int replaced = 0;
  bool aceFound = false;
  for (int position = 0; position < work.Count(kMazzoVis) && !(aceFound && replaced == acesTaken);) {
    const int card = work.CardAt(kMazzoVis, position);
    if (fnCardRank(card) == kAce) {
      work.MoveToFoundation(kMazzoVis, position, 0);
      aceFound = true;
    } else if (replaced < acesTaken) {
      work.Put(reserve, work.RemoveAt(kMazzoVis, position), TCardFace::Up);
      ++replaced;
    } else {
      ++position;
    }
  }
}

void fnDealHeartsPair(TDealWork& work) {
  if (fnTakeFromAnywhere(work, kHeartsKing)) {
    work.PutAtBottom(kMazzo, kHeartsKing, work.Rule(rule::kStockFace) == 0 ? TCardFace::Up : TCardFace::Down);
  }
  if (fnTakeFromAnywhere(work, kHeartsQueen)) work.Put(fnFila(0), kHeartsQueen, TCardFace::Up);
}

void fnKingsToBottom(TDealWork& work) {
  for (int p = 0; p < work.TableauPiles(); ++p) {
    std::vector<int> cards = work.Cards(fnFila(p));
    for (std::size_t position = 1; position < cards.size(); ++position) {
      if (fnCardRank(cards[position]) != kKing) continue;
      const int king = cards[position];
      cards.erase(cards.begin() + static_cast<std::ptrdiff_t>(position));
      cards.insert(cards.begin(), king);
    }
    work.SetCards(fnFila(p), cards);
  }
}

void fnAlternateHoles(TDealWork& work) {
  const std::vector<int> cards = work.Cards(fnFila(0));
  if (cards.size() <= 1) return;
  std::vector<int> spaced;
  for (const int card : cards) {
    if (!spaced.empty()) spaced.push_back(0);
    spaced.push_back(card);
  }
  work.SetCards(fnFila(0), spaced);
}

}  // namespace tablerun
