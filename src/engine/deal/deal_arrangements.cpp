// Rule slot 36, second phase: family arrangements of the dealt table and of
// the cards still in the deck.
#include <algorithm>
#include <random>
#include <string>

#include "engine/deal/deal_steps.h"
#include "engine/deal/game_number.h"
#include "engine/state/table_view.h"
#include "model/card.h"
#include "model/deal.h"

namespace tablerun {
namespace {

bool fnIsKing(int card) { return fnCardRank(card) == kKing; }

// Piles whose bottom card is a King give it to the stock's bottom and take the
// first other card of the stock instead.
void fnKingsUnderStock(TDealWork& work) {
  const auto swap = [&](TPileRef pile) {
    if (!fnIsKing(work.CardAt(pile, 0))) return;
    const std::vector<int> cards = work.Cards(pile);
    work.SetCards(pile, {});
    for (auto it = cards.rbegin(); it != cards.rend(); ++it) work.PutAtBottom(kMazzo, *it, TCardFace::Down);
    const int stockTop = work.CardAt(kMazzo, work.Count(kMazzo) - 1);
    if (stockTop > 0) work.State().cards.fnSetCardFace(stockTop, TCardFace::Down);
    for (int position = 0; position < work.Count(kMazzo); ++position) {
      if (fnIsKing(work.CardAt(kMazzo, position))) continue;
      work.Put(pile, work.RemoveAt(kMazzo, position), TCardFace::Up);
      return;
    }
  };
  for (int p = 0; p < work.TableauPiles(); ++p) swap(fnFila(p));
  for (int f = 0; f < work.Foundations(); ++f) swap(fnDest(f));
}

// Each King (or Queen) of the deck starts the next tableau pile; the cards
// after it follow face up.
void fnRunsFromRank(TDealWork& work, int rank) {
  const int first = work.TakeFirstWhere([&](int card) { return fnCardRank(card) == rank; });
  if (first == 0) return;
  int pile = 0;
  work.Put(fnFila(pile), first, TCardFace::Up);
  for (int card = work.TakeFirst(); card != 0; card = work.TakeFirst()) {
    if (fnCardRank(card) == rank && pile + 1 < fnPileGroupSize(TPileGroup::Fila)) ++pile;
    work.Put(fnFila(pile), card, TCardFace::Up);
  }
  const int play = work.Rule(rule::kFoundationStarter);
  fnPlayDealtCards(work, play == 94 || play == 95 ? static_cast<TDealPlay>(play) : TDealPlay::AllInOrder);
}

// Every pile keeps its shape but holds each rank at most once.
void fnDistinctRanks(TDealWork& work) {
  std::vector<int> collected;
  for (int p = 0; p < work.TableauPiles(); ++p) {
    for (const int card : work.Cards(fnFila(p))) {
      if (card > 0) collected.push_back(card);
    }
  }
  for (int p = 0; p < work.TableauPiles(); ++p) {
    std::vector<int> cards(work.Cards(fnFila(p)).size(), 0);
    for (int& slot : cards) {
      const auto fits = std::find_if(collected.begin(), collected.end(), [&](int card) {
        return std::none_of(cards.begin(), cards.end(),
                            [&](int held) { return held > 0 && fnCardRank(held) == fnCardRank(card); });
      });
      if (fits == collected.end()) continue;
      slot = *fits;
      collected.erase(fits);
    }
    work.SetCards(fnFila(p), cards);
  }
}

// Every remaining card face up on the pile its rank names.
void fnCardsByRank(TDealWork& work, int offset) {
  for (int card = work.TakeFirst(); card != 0; card = work.TakeFirst()) {
    const int pile = fnCardRank(card) - offset;
    if (pile >= 0 && pile < fnPileGroupSize(TPileGroup::Fila)) work.Put(fnFila(pile), card, TCardFace::Up);
  }
}

void fnOfferBottomCards(TDealWork& work) {
  for (int p = 0; p < work.TableauPiles(); ++p) {
    const int bottom = work.CardAt(fnFila(p), 0);
    if (bottom <= 0) continue;
    for (int f = 0; f < work.Foundations(); ++f) {
      if (!work.FoundationAccepts(f, bottom)) continue;
      work.MoveToFoundation(fnFila(p), 0, f);
      break;
    }
  }
}

// Aces leave holes in the tableau; with `courtFoundations` the foundations
// hold deck 1's Aces, Jacks, Queens and Kings, one rank each.
void fnAcesToHoles(TDealWork& work, bool courtFoundations) {
  for (int p = 0; p < work.TableauPiles(); ++p) {
    std::vector<int> cards = work.Cards(fnFila(p));
    std::replace_if(
        cards.begin(), cards.end(), [](int card) { return fnCardRank(card) == kAce; }, 0);
    work.SetCards(fnFila(p), cards);
  }
  if (!courtFoundations) return;
  int f = 0;
  for (const int rank : {1, 11, 12, 13}) {
    work.SetCards(fnDest(f), {});
    for (int suit = 0; suit < 4; ++suit) {
      const int card = suit * 13 + rank;
      work.Take(card);
      work.State().table.fnFindAndRemove(card);
      work.Put(fnDest(f), card, TCardFace::Up);
    }
    ++f;
  }
}

void fnEmptyPileWithBottom(TDealWork& work) {
  int code = work.Rule(rule::kTableauPiles);
  if (code > 13) code += 13;
  for (int p = 0; p < work.TableauPiles(); ++p) {
    if (work.CardAt(fnFila(p), 0) == code) work.SetCards(fnFila(p), {});
  }
}

void fnEmptyRandomPile(TDealWork& work) {
  const int last = work.Rule(rule::kTableauPiles) - 2;
  if (last < 0) return;
  std::uniform_int_distribution<int> pick(0, last);
  work.SetCards(fnFila(pick(work.State().random)), {});
}

void fnFoundationsFromDeck(TDealWork& work) {
  for (int f = 0; f < work.Foundations() && !work.Deck().empty(); ++f) {
    work.SetCards(fnDest(f), {});
    work.Put(fnDest(f), work.TakeFirst(), TCardFace::Up);
  }
}

void fnKingsToHolesInNines(TDealWork& work) {
  for (int p = 0; p < work.TableauPiles(); ++p) {
    std::vector<int> cards = work.Cards(fnFila(p));
    std::replace_if(cards.begin(), cards.end(), fnIsKing, 0);
    if (cards.size() < 9) cards.resize(9, 0);
    work.SetCards(fnFila(p), cards);
  }
}

// Passes over twelve tableau piles and reserve 1; a card of the position's own
// rank goes to the stock instead.
void fnThirteenPositions(TDealWork& work) {
  int position = 1;
  for (int card = work.TakeFirst(); card != 0; card = work.TakeFirst()) {
    if (fnCardRank(card) == position) {
      work.Put(kMazzo, card, TCardFace::Down);
      continue;
    }
    work.Put(position == 13 ? fnAppogg(0) : fnFila(position - 1), card, TCardFace::Up);
    position = position % 13 + 1;
  }
}

void fnSixteenByRankSums(TDealWork& work) {
  TMainGame& game = work.State().mainGame;
  for (int i = 0; i < 4; ++i) game.Set(entries::kFamilyScratch + i, 0);
  std::vector<int>& deck = work.Deck();
  for (std::size_t at = 0; at < 21 && at < deck.size();) {
    if (fnIsFaceCard(deck[at]))
      deck.erase(deck.begin() + static_cast<std::ptrdiff_t>(at));
    else
      ++at;
  }
  for (std::size_t at = 0; at < 16 && at < deck.size(); ++at) {
    const TMainGameEntry entry = entries::kFamilyScratch + static_cast<int>(at / 4);
    game.Set(entry, static_cast<int16_t>(game.Get(entry) + fnCardRank(deck[at])));
  }
  if (deck.size() > 16) deck.resize(16);
  std::vector<int> order;
  int b = deck.size() > 8 ? fnCardRank(deck[8]) : 0;
  while (!deck.empty()) {
    if (b < 0 || b >= static_cast<int>(deck.size())) b = 0;
    order.push_back(deck[static_cast<std::size_t>(b)]);
    deck.erase(deck.begin() + b);
    if (!deck.empty()) b = fnCardRank(deck.front()) + (deck.size() % 2 == 0 ? 3 : 2);
  }
  for (std::size_t i = 0; i < order.size(); ++i) work.Put(fnFila(static_cast<int>(i)), order[i], TCardFace::Up);
}

// The digits a game number asks for, each one not yet asked for.
std::string fnWantedDigits(const std::string& number) {
  std::string digits;
  for (const std::size_t at : {2U, 4U, 7U, 9U, 11U}) {
    char digit = number[at];
    while (digits.find(digit) != std::string::npos) digit = digit == '9' ? '0' : static_cast<char>(digit + 1);
    digits += digit;
  }
  return digits;
}

void fnTenByDigits(TDealWork& work) {
  std::string digits = fnWantedDigits(fnNormalizedGameNumber(work.State().config.Read(cfg::kGameNumber)));
  int pile = 0;
  while (pile < 10 && !work.Deck().empty()) {
    const int card = work.TakeFirst();
    const int rank = fnCardRank(card);
    if (rank < 1 || rank > 10) continue;
    const auto wanted = digits.find(static_cast<char>('0' + rank % 10));
    if (wanted != std::string::npos)
      digits.erase(wanted, 1);
    else if (10 - pile <= static_cast<int>(digits.size()))
      continue;
    work.Put(fnFila(pile++), card, TCardFace::Down);
  }
}

void fnKingsToEmptyFoundations(TDealWork& work) {
  for (int p = 0; p < 4; ++p) {
    for (int position = 0; position < work.Count(fnFila(p));) {
      int empty = 0;
      while (empty < work.Foundations() && work.Count(fnDest(empty)) > 0) ++empty;
      if (!fnIsKing(work.CardAt(fnFila(p), position)) || empty == work.Foundations()) {
        ++position;
        continue;
      }
      work.MoveToFoundation(fnFila(p), position, empty);
    }
  }
}

void fnFourTwelves(TDealWork& work) {
  std::erase_if(work.Deck(), [](int card) { return fnCardRank(card) == kAce; });
  for (int p = 0; p < 4; ++p) {
    for (int n = 0; n < 12 && !work.Deck().empty(); ++n) {
      if (n == 6) work.Put(fnFila(p), 0, TCardFace::Up);
      work.Put(fnFila(p), work.TakeFirst(), TCardFace::Up);
    }
  }
}

}  // namespace

void fnArrangeDeal(TDealWork& work) {
  switch (work.Rule(rule::kDeckArrangement)) {
    case 1: fnKingsUnderStock(work); break;
    case 2: fnRunsFromRank(work, 13); break;
    case 4: fnRunsFromRank(work, 12); break;
    case 3: fnDistinctRanks(work); break;
    case 5: fnCardsByRank(work, 2); break;
    case 6: fnCardsByRank(work, 1); break;
    case 7: fnOfferBottomCards(work); break;
    case 8: fnAcesToHoles(work, false); break;
    case 21: fnAcesToHoles(work, true); break;
    case 9: fnEmptyPileWithBottom(work); break;
    case 10: fnEmptyRandomPile(work); break;
    case 13: fnFoundationsFromDeck(work); break;
    case 15: fnKingsToHolesInNines(work); break;
    case 17: fnThirteenPositions(work); break;
    case 18: fnSixteenByRankSums(work); break;
    case 19: fnTenByDigits(work); break;
    case 20: fnKingsToEmptyFoundations(work); break;
    case 22: fnFourTwelves(work); break;
    default: break;
  }
}

}  // namespace tablerun
