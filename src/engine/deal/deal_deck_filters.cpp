// Rule slot 36, first phase: which cards of the deck take part at all.
#include <algorithm>
#include <array>

#include "engine/deal/deal_steps.h"
#include "model/card.h"

namespace tablerun {
namespace {

constexpr int kFilterRanksToPiles = 9;
constexpr int kFilterFirstOfRank = 11;
constexpr int kFilterFixedSets = 12;
constexpr int kFilterOneSuitLow = 14;
constexpr int kFilterNoQueensKings = 16;
constexpr int kFilterNoCourt = 21;

// Kept for every pile count; the second row unless there are three piles,
// the third unless there are three or four.
constexpr std::array kAlwaysKept{1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
constexpr std::array kKeptFromFour{9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103};
constexpr std::array kKeptFromFive{2, 10, 16, 24, 30, 38, 44, 52, 54, 62, 68, 76, 82, 90, 96, 104};

template <typename TKeep>
void fnKeepOnly(std::vector<int>& deck, TKeep keep) {
  deck.erase(std::remove_if(deck.begin(), deck.end(), [&](int card) { return !keep(card); }), deck.end());
}

template <std::size_t N>
bool fnIn(const std::array<int, N>& set, int card) {
  return std::find(set.begin(), set.end(), card) != set.end();
}

// Each rank in `wanted` once: its first card in the deck that `eligible` lets through.
template <typename TWanted, typename TEligible>
void fnFirstOfEachRank(std::vector<int>& deck, TWanted wanted, TEligible eligible) {
  std::array<bool, 14> seen{};
  fnKeepOnly(deck, [&](int card) {
    const int rank = fnCardRank(card);
    if (!wanted(rank) || !eligible(card) || seen[static_cast<std::size_t>(rank)]) return false;
    seen[static_cast<std::size_t>(rank)] = true;
    return true;
  });
}

}  // namespace

void fnFilterDeck(TDealWork& work) {
  std::vector<int>& deck = work.Deck();
  const int piles = work.Rule(rule::kTableauPiles);
  switch (work.Rule(rule::kDeckArrangement)) {
    case kFilterRanksToPiles:
      if (piles <= 13)
        fnKeepOnly(deck, [&](int card) { return card <= piles; });
      else
        fnKeepOnly(deck, [&](int card) { return (card < 14 || card > 26) && card <= piles + 13; });
      break;
    case kFilterFirstOfRank:
      fnFirstOfEachRank(
          deck, [&](int rank) { return rank >= 1 && rank <= piles; }, [](int) { return true; });
      break;
    case kFilterOneSuitLow: {
      const int suit = deck.empty() ? -1 : fnCardSuit(deck.front());
      fnFirstOfEachRank(
          deck, [](int rank) { return rank >= 1 && rank <= 9; }, [&](int card) { return fnCardSuit(card) == suit; });
      break;
    }
    case kFilterFixedSets:
      fnKeepOnly(deck, [&](int card) {
        return fnIn(kAlwaysKept, card) || (piles != 3 && fnIn(kKeptFromFour, card)) ||
               (piles != 3 && piles != 4 && fnIn(kKeptFromFive, card));
      });
      break;
    case kFilterNoQueensKings:
      fnKeepOnly(deck, [](int card) { return fnCardRank(card) < kQueen || card >= kFirstJoker; });
      break;
    case kFilterNoCourt:
      fnKeepOnly(deck, [](int card) { return fnCardRank(card) < kJack || card >= kFirstJoker; });
      break;
    default: break;
  }
}

}  // namespace tablerun
