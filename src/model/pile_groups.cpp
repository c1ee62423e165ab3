#include "model/pile_groups.h"

#include "model/card.h"

namespace tablerun {

bool fnIsPileText(std::string_view text) {
  if (text.size() % 3 != 0) return false;
  for (std::size_t at = 0; at < text.size(); at += 3) {
    const auto code = fnParseCardText(text.substr(at, 3));
    if (!code || *code > kCardCount) return false;
  }
  return true;
}

int TPileGroups::Slot(TPileRef pile) {
  if (!fnIsPileRef(pile)) return -1;
  int slot = pile.entry;
  for (const TPileGroup before : {TPileGroup::Mazzo, TPileGroup::Dest, TPileGroup::Fila}) {
    if (before == pile.group) break;
    slot += fnPileGroupSize(before);
  }
  return slot;
}

const std::string& TPileGroups::Pile(TPileRef pile) const {
  static const std::string kNoPile;
  const int slot = Slot(pile);
  return slot < 0 ? kNoPile : piles_[static_cast<std::size_t>(slot)];
}

std::string* TPileGroups::Find(TPileRef pile) {
  const int slot = Slot(pile);
  return slot < 0 ? nullptr : &piles_[static_cast<std::size_t>(slot)];
}

void TPileGroups::Clear() {
  for (auto& pile : piles_) pile.clear();
}

}  // namespace tablerun
