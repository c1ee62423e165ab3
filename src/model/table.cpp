#include "model/table.h"

#include <algorithm>

#include "model/card.h"

namespace tablerun {

namespace {

int TopOf(const std::string& pile) {
  if (pile.empty()) return 0;
  return fnParseCardText(std::string_view(pile).substr(pile.size() - 3)).value_or(0);
}

}  // namespace

bool TTable::SetPile(TPileRef pile, std::string_view text) {
  std::string* stored = piles_.Find(pile);
  if (stored == nullptr || !fnIsPileText(text)) return false;
  stored->assign(text);
  return true;
}

int TTable::fnTopCard(std::string_view name) const {
  const auto pile = fnParsePileName(name);
  return pile ? TopOf(piles_.Pile(*pile)) : 0;
}

bool TTable::fnAddCardToPile(std::string_view name, int code, std::optional<TCardFace> face) {
  const auto pile = fnParsePileName(name);
  if (!pile || (pile->group == TPileGroup::Mazzo && *pile != kMazzoVis)) return false;
  if (code < 0 || code > kCardCount) return false;
  piles_.Find(*pile)->append(fnCardText(code));
  if (face) cards_.fnSetCardFace(code, *face);
  return true;
}

bool TTable::fnIsTopOfTableau(int code) const {
  if (code < 1) return false;
  for (int entry = 0; entry < TableauInUse(); ++entry) {
    if (TopOf(piles_.Pile({TPileGroup::Fila, entry})) == code) return true;
  }
  return false;
}

int TTable::TableauInUse() const {
  return std::clamp<int>(rules_.Get(rule::kTableauPiles), 0, fnPileGroupSize(TPileGroup::Fila));
}

}  // namespace tablerun
