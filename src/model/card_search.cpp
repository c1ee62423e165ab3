// Finding a card in one pile or on the whole table.
#include "model/table.h"

#include "model/card.h"

namespace tablerun {

namespace {

constexpr std::string_view kHole = "000";

}  // namespace

bool TTable::fnFindCardInPile(TPileRef pile, int code, TFindOp op) {
  std::string* text = piles_.Find(pile);
  if (text == nullptr) return false;
  const std::string wanted = fnCardText(code);
  std::size_t at = 0;
  while (at + 3 <= text->size() && text->compare(at, 3, wanted) != 0) at += 3;
  if (at + 3 > text->size()) return false;

  switch (op) {
    case TFindOp::Report: break;
    case TFindOp::Remove: text->erase(at, 3); break;
    case TFindOp::LeaveHole: text->replace(at, 3, kHole); break;
    case TFindOp::RemoveWithHoleBelow: {
      text->erase(at, 3);
      // With the bottom card gone, the new bottom position is the one looked at.
      const std::size_t below = at == 0 ? 0 : at - 3;
      if (text->compare(below, 3, kHole) == 0) text->erase(below, 3);
      break;
    }
  }
  return true;
}

int TTable::fnFindCard(int code, TFindOp op) {
  struct TStop {
    TPileGroup group;
    int first;
    int count;
    int kind;
  };
  const TStop order[] = {
      {TPileGroup::Mazzo, kMazzoVis.entry, 1, kKindMazzoVis},
      {TPileGroup::Fila, 0, TableauInUse(), kKindFila},
      {TPileGroup::Dest, 0, fnPileGroupSize(TPileGroup::Dest), kKindDest},
      {TPileGroup::Mazzo, kMazzo.entry, 1, kKindMazzo},
      {TPileGroup::Mazzo, kMazzoWaste.entry, 1, kKindSecondWaste},
      {TPileGroup::Appogg, 0, fnPileGroupSize(TPileGroup::Appogg), kKindAppogg},
  };
  for (const TStop& stop : order) {
    for (int entry = stop.first; entry < stop.first + stop.count; ++entry) {
      if (fnFindCardInPile({stop.group, entry}, code, op)) return stop.kind;
    }
  }
  return -1;
}

}  // namespace tablerun
