// The working state of one initial deal: the deck still to deal and the table
// being filled. Every step of the deal takes cards and lays them through here,
// so that no step can place a card the deck no longer holds.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/state/tablerun_state.h"

namespace tablerun {

class TDealWork {
 public:
  TDealWork(TTablerunState& state, std::vector<int> deck) : state_(state), deck_(std::move(deck)) {}

  TTablerunState& State() { return state_; }
  int Rule(TRuleSlot slot) const { return state_.rules.Get(slot); }
  void SetRule(TRuleSlot slot, int value) { state_.rules.Set(slot, static_cast<int16_t>(value)); }
  // The piles of each kind the game uses.
  int Foundations() const;
  int TableauPiles() const;
  int Reserves() const;

  std::vector<int>& Deck() { return deck_; }
  // The first card of the deck, taken out; 0 when the deck is empty.
  int TakeFirst();
  // The first card that satisfies the test, taken out; 0 when none does.
  template <typename TTest>
  int TakeFirstWhere(TTest test) {
    for (auto it = deck_.begin(); it != deck_.end(); ++it) {
      if (!test(*it)) continue;
      const int card = *it;
      deck_.erase(it);
      return card;
    }
    return 0;
  }
  // False when the deck does not hold the card.
  bool Take(int card);

  // Positions, holes included; 0 for a hole or a position the pile lacks.
  int Count(TPileRef pile) const { return static_cast<int>(state_.table.Pile(pile).size() / 3); }
  int CardAt(TPileRef pile, int position) const;
  std::vector<int> Cards(TPileRef pile) const;
  void SetCards(TPileRef pile, const std::vector<int>& cards);

  // Appends the card (a hole for 0); the card's face becomes `face`.
  void Put(TPileRef pile, int card, TCardFace face);
  void PutAtBottom(TPileRef pile, int card, TCardFace face);
  // Takes out the card at the position, closing the gap; 0 when there is none.
  int RemoveAt(TPileRef pile, int position);
  // The top n cards of the deck, face down, then the face pattern over the pile.
  void DealTo(TPileRef pile, int count, int facePattern);
  void ApplyFaces(TPileRef pile, int facePattern);

  // Whether foundation f takes the card where it lies now.
  bool FoundationAccepts(int f, int card) const;
  // The card at the position goes face up onto foundation f.
  void MoveToFoundation(TPileRef from, int position, int f);

 private:
  TTablerunState& state_;
  std::vector<int> deck_;
};

}  // namespace tablerun
