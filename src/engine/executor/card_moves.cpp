#include "engine/executor/card_moves.h"

#include <algorithm>

#include "engine/legality/move_legality.h"
#include "engine/state/tablerun_state.h"
#include "model/card.h"

namespace tablerun {

bool TCardMoves::Put(int card, const TPileMove& move) {
  const TPileRef to = move.to;
  if (!fnIsPileRef(to) || to == kMazzo) return false;
  // Until the first move a tableau card may go only to a foundation; the
  // legality test knows that rule.
  if (to.group != TPileGroup::Mazzo && to.group != TPileGroup::Dest &&
      exec_.Rule(rule::kTableauToFoundationOnly) == 1 && exec_.Entry(entries::kMoveCounter) == 0 &&
      !TMoveLegality(state_.table, state_.rules, state_.cards, exec_.MoveContext(true)).CanPlace(card, to)) {
    return false;
  }
  return MoveToPile(card, to, move.autoplay);
}

std::optional<TCardPlace> TCardMoves::Locate(int card) const {
  if (const auto place = exec_.View().FindCard(card)) return place;
  const std::string& secondWaste = state_.table.Pile(kMazzoWaste);
  const std::string code = fnCardText(card);
  for (std::size_t at = 0; at + 3 <= secondWaste.size(); at += 3) {
    if (secondWaste.compare(at, 3, code) == 0) return TCardPlace{kMazzoWaste, static_cast<int>(at / 3)};
  }
  return std::nullopt;
}

std::string TCardMoves::Take(const TCardPlace& place, bool withCardsAbove) {
  std::string pile = state_.table.Pile(place.pile);
  const std::size_t at = static_cast<std::size_t>(place.position) * 3;
  const std::string taken = pile.substr(at, withCardsAbove ? std::string::npos : 3);
  pile.erase(at, taken.size());
  state_.table.SetPile(place.pile, pile);
  return taken;
}

bool TCardMoves::MoveToPile(int card, TPileRef to, bool autoplay) {
  if (!fnIsPileRef(to)) return false;
  const auto place = Locate(card);
  if (!place || place->pile == to) return false;
  // Fan style 12 sends the cards above a tableau card to the foundation with it.
  const bool group =
      place->pile.group == TPileGroup::Fila &&
      (to.group == TPileGroup::Fila || (to.group == TPileGroup::Dest && exec_.Rule(rule::kTableauArrangement) == 12));
  exec_.RecordUndo();
  const std::string moved = Take(*place, group);
  for (std::size_t at = 0; at < moved.size(); at += 3) {
    exec_.Append(to, fnParseCardText(std::string_view(moved).substr(at, 3)).value_or(0), TCardFace::Up);
  }
  state_.screen.ShowCardsMoved(card, place->pile, place->position, to);
  const bool fromTableau = place->pile.group == TPileGroup::Fila;
  switch (to.group) {
    case TPileGroup::Fila:
      exec_.PlaySound(cfg::kSoundTableau, "Tableau");
      completedRuns_.Transfer(to.entry);
      if (fromTableau) completedRuns_.Transfer(place->pile.entry);
      break;
    case TPileGroup::Appogg: exec_.PlaySound(cfg::kSoundTableau, "Tableau"); break;
    case TPileGroup::Dest:
      exec_.UpdateWonFlag();
      if (autoplay) {
        exec_.PlaySound(cfg::kSoundAutoplay, "Autoplay");
      } else {
        exec_.PlaySound(cfg::kSoundFoundation, "Foundation");
      }
      if (exec_.Rule(rule::kSortFoundations) == 1) SortFoundation(to);
      break;
    case TPileGroup::Mazzo: break;
  }
  // With Autoplay on, its rounds turn the cards up.
  if (fromTableau && !exec_.autoplayActive) turnUps_.TurnUpTableauTops();
  return true;
}

void TCardMoves::SortFoundation(TPileRef pile) {
  const std::string& text = state_.table.Pile(pile);
  std::vector<std::string> codes;
  for (std::size_t at = 0; at < text.size(); at += 3) codes.push_back(text.substr(at, 3));
  if (codes.size() < 2) return;
  std::stable_sort(codes.begin(), codes.end());
  std::string sorted;
  for (const std::string& code : codes) sorted += code;
  state_.table.SetPile(pile, sorted);
  // The foundation's sounds follow the foundation sound's switch.
  exec_.PlaySound(cfg::kSoundFoundation, "Reorder");
}

}  // namespace tablerun
