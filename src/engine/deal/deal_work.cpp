#include "engine/deal/deal_work.h"

#include <algorithm>

#include "engine/legality/move_legality.h"
#include "engine/state/table_view.h"
#include "model/card.h"

namespace tablerun {

int TDealWork::Foundations() const { return TTableView(state_.table, state_.rules, state_.cards).Foundations(); }
int TDealWork::TableauPiles() const { return TTableView(state_.table, state_.rules, state_.cards).TableauPiles(); }
int TDealWork::Reserves() const { return TTableView(state_.table, state_.rules, state_.cards).Reserves(); }

int TDealWork::TakeFirst() {
  if (deck_.empty()) return 0;
  const int card = deck_.front();
  deck_.erase(deck_.begin());
  return card;
}

bool TDealWork::Take(int card) {
  const auto it = std::find(deck_.begin(), deck_.end(), card);
  if (card < 1 || it == deck_.end()) return false;
  deck_.erase(it);
  return true;
}

int TDealWork::CardAt(TPileRef pile, int position) const {
  return TTableView(state_.table, state_.rules, state_.cards).CardAt(pile, position);
}

std::vector<int> TDealWork::Cards(TPileRef pile) const {
  std::vector<int> cards;
  for (int position = 0; position < Count(pile); ++position) cards.push_back(CardAt(pile, position));
  return cards;
}

void TDealWork::SetCards(TPileRef pile, const std::vector<int>& cards) {
  std::string text;
  for (const int card : cards) text += fnCardText(card);
  state_.table.SetPile(pile, text);
}

void TDealWork::Put(TPileRef pile, int card, TCardFace face) {
  state_.table.SetPile(pile, state_.table.Pile(pile) + fnCardText(card));
  state_.cards.fnSetCardFace(card, face);
}

void TDealWork::PutAtBottom(TPileRef pile, int card, TCardFace face) {
  state_.table.SetPile(pile, fnCardText(card) + state_.table.Pile(pile));
  state_.cards.fnSetCardFace(card, face);
}

int TDealWork::RemoveAt(TPileRef pile, int position) {
  if (position < 0 || position >= Count(pile)) return 0;
  const int card = CardAt(pile, position);
  std::string text = state_.table.Pile(pile);
  text.erase(static_cast<std::size_t>(position) * 3, 3);
  state_.table.SetPile(pile, text);
  return card;
}

void TDealWork::DealTo(TPileRef pile, int count, int facePattern) {
  // One write of the pile for the whole batch: each write checks the pile's text.
  const auto taken = static_cast<std::ptrdiff_t>(std::min(deck_.size(), static_cast<std::size_t>(std::max(count, 0))));
  std::string text = state_.table.Pile(pile);
  for (auto it = deck_.begin(); it != deck_.begin() + taken; ++it) {
    text += fnCardText(*it);
    state_.cards.fnSetCardFace(*it, TCardFace::Down);
  }
  deck_.erase(deck_.begin(), deck_.begin() + taken);
  state_.table.SetPile(pile, text);
  ApplyFaces(pile, facePattern);
}

void TDealWork::ApplyFaces(TPileRef pile, int facePattern) {
  state_.cards.fnSetPileFaces(state_.table.Pile(pile), facePattern, TCardFace::Up);
}

bool TDealWork::FoundationAccepts(int f, int card) const {
  return TMoveLegality(state_.table, state_.rules, state_.cards, fnMoveContext(state_.mainGame, true))
      .CanPlaceOnFoundation(f, card);
}

void TDealWork::MoveToFoundation(TPileRef from, int position, int f) {
  const int card = RemoveAt(from, position);
  if (card > 0) Put(fnDest(f), card, TCardFace::Up);
}

}  // namespace tablerun
