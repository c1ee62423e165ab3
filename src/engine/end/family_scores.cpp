#include "engine/end/family_scores.h"

#include "engine/state/table_view.h"
#include "model/card.h"

namespace tablerun {
namespace {

class TFamilyScore {
 public:
  explicit TFamilyScore(const TTablerunState& state)
      : view_(state.table, state.rules, state.cards), game_(state.mainGame), n_(view_.Rule(rule::kCards)) {}

  std::optional<int> Score() const {
    switch (view_.Rule(rule::kFamily)) {
      case 32: return -n_ + 5 * view_.Rule(rule::kScoreCredit) + 5 * LeadingRunCards();
      case 34: return -n_ + 10 * PilesHoldingTheirRank();
      case 35: return -n_ + 10 * view_.Count(kMazzoWaste);
      case 37: return -52 - 2 * game_.Get(entries::kCardsTurnedBack) + 10 * (view_.Count(kMazzoWaste) / 2);
      case 39: return -52 - game_.Get(entries::kCardsTurnedBack) + 7 * (view_.Count(kMazzoWaste) / 2);
      case 40: return -n_ + 5 * CardsOnTheirRankPile();
      case 41: return -n_ + 20 * EmptyFoundationsAfterFirst();
      case 42: return -n_ + 5 * CardsFollowingTheBottom();
      case 43: return -n_ + 225 * NineDownToOnePiles();
      case 47: return -n_ + 5 * (view_.AnyTableauHolds(0, view_.TableauPiles() - 1) ? view_.Count(kMazzoWaste) : n_);
      case 48: return -n_ + 5 * view_.Rule(rule::kScoreCredit) + 5 * view_.Count(fnDest(1));
      case 49:
      case 63: return -n_ + 5 * view_.Rule(rule::kScoreCredit) + 5 * TableauCards(24);
      case 55:
      case 72: return -n_ + 5 * TableauCards(view_.TableauPiles());
      case 62: return -n_ + 5 * (ReserveCards() + FoundationCards());
      case 65: return -n_ + 5 * (TableauCards(view_.TableauPiles()) + FoundationCards());
      case 70: return -n_ + 5 * view_.Rule(rule::kScoreCredit) + 5 * view_.Count(kMazzoWaste);
      case 73: return -n_ + 5 * FoundationCards() + 5 * RoyalBases();
      case 76:
      case 77: return 0;
      default: return std::nullopt;
    }
  }

 private:
  int Rank(int card) const { return card > 0 ? fnCardRank(card) : 0; }
  bool FaceUpOfRank(int card, int rank) const { return card > 0 && !view_.IsFaceDown(card) && Rank(card) == rank; }

  // Piles 1 to `piles`, holes included as positions.
  int TableauCards(int piles) const {
    int cards = 0;
    for (int p = 0; p < piles && p < fnPileGroupSize(TPileGroup::Fila); ++p) cards += view_.Count(fnFila(p));
    return cards;
  }
  int FoundationCards() const {
    int cards = 0;
    for (int f = 0; f < fnPileGroupSize(TPileGroup::Dest); ++f) cards += view_.Count(fnDest(f));
    return cards;
  }
  int ReserveCards() const {
    int cards = 0;
    for (int r = 0; r < fnPileGroupSize(TPileGroup::Appogg); ++r) cards += view_.Count(fnAppogg(r));
    return cards;
  }

  // Per pile that starts with a Two: the Two and each next card of its suit one rank higher, up to the
  // pile's second-to-last position.
  int LeadingRunCards() const {
    int cards = 0;
    for (int p = 0; p < view_.TableauPiles(); ++p) {
      const TPileRef pile = fnFila(p);
      if (Rank(view_.Bottom(pile)) != kTwo) continue;
      ++cards;
      for (int at = 1; at < view_.Count(pile) - 1; ++at) {
        const int below = view_.CardAt(pile, at - 1);
        const int card = view_.CardAt(pile, at);
        if (card == 0 || fnCardSuit(card) != fnCardSuit(below) || Rank(card) != Rank(below) + 1) break;
        ++cards;
      }
    }
    return cards;
  }

  // Piles in order, while they hold cards, whose first card has the pile's number as its rank in the
  // first two suits.
  int PilesHoldingTheirRank() const {
    int piles = 0;
    for (int p = 0; p < view_.TableauPiles() && !view_.IsEmpty(fnFila(p)); ++p) {
      const int first = view_.Bottom(fnFila(p));
      if (first != p + 1 && first != p + 14) break;
      ++piles;
    }
    return piles;
  }

  int CardsOnTheirRankPile() const {
    int cards = 0;
    for (int p = 0; p < view_.TableauPiles() && p < 13; ++p) {
      for (int at = 0; at < view_.Count(fnFila(p)); ++at) cards += FaceUpOfRank(view_.CardAt(fnFila(p), at), p + 1);
    }
    return cards;
  }

  int EmptyFoundationsAfterFirst() const {
    int empty = 0;
    for (int f = 1; f < view_.Foundations(); ++f) empty += view_.IsEmpty(fnDest(f));
    return empty;
  }

  // With r the bottom card's rank, every card whose rank is r plus its position, King followed by Ace.
  int CardsFollowingTheBottom() const {
    int cards = 0;
    for (int p = 0; p < view_.TableauPiles(); ++p) {
      const TPileRef pile = fnFila(p);
      const int base = Rank(view_.Bottom(pile));
      if (base == 0) continue;
      for (int at = 0; at < view_.Count(pile); ++at) cards += Rank(view_.CardAt(pile, at)) == (base - 1 + at) % 13 + 1;
    }
    return cards;
  }

  int NineDownToOnePiles() const {
    int piles = 0;
    for (int p = 0; p < view_.TableauPiles(); ++p) {
      const TPileRef pile = fnFila(p);
      bool run = view_.Count(pile) == 9;
      for (int at = 0; run && at < 9; ++at) run = Rank(view_.CardAt(pile, at)) == 9 - at;
      piles += run;
    }
    return piles;
  }

  // King, then Queen, then Jack, face up from the bottom: 5 points each while the order holds.
  int RoyalBases() const {
    int cards = 0;
    for (int p = 0; p < view_.TableauPiles(); ++p) {
      for (int at = 0; at < 3 && FaceUpOfRank(view_.CardAt(fnFila(p), at), 13 - at); ++at) ++cards;
    }
    return cards;
  }

  TTableView view_;
  const TMainGame& game_;
  int n_;
};

}  // namespace

std::optional<int> fnFamilyScore(const TTablerunState& state) { return TFamilyScore(state).Score(); }

}  // namespace tablerun
