#include "engine/state/table_view.h"

#include <algorithm>
#include <array>

namespace tablerun {

namespace {

// Pile lists hold nothing but digits, so the three characters convert directly.
int CodeAt(const std::string& pile, std::size_t at) {
  return (pile[at] - '0') * 100 + (pile[at + 1] - '0') * 10 + (pile[at + 2] - '0');
}

}  // namespace

int TTableView::InUse(TRuleSlot slot, TPileGroup group) const {
  return std::clamp(Rule(slot), 0, fnPileGroupSize(group));
}

int TTableView::Foundations() const { return InUse(rule::kFoundations, TPileGroup::Dest); }
int TTableView::TableauPiles() const { return InUse(rule::kTableauPiles, TPileGroup::Fila); }
int TTableView::Reserves() const { return InUse(rule::kReserves, TPileGroup::Appogg); }

bool TTableView::Uses(TPileRef pile) const {
  if (!fnIsPileRef(pile)) return false;
  switch (pile.group) {
    case TPileGroup::Mazzo:
      return pile.entry < Rule(rule::kStockPiles) || (pile == kMazzoWaste && Rule(rule::kSecondWastePlaced) > 0);
    case TPileGroup::Dest: return pile.entry < Foundations();
    case TPileGroup::Fila: return pile.entry < TableauPiles();
    case TPileGroup::Appogg: return pile.entry < Reserves();
  }
  return false;
}

int TTableView::CardAt(TPileRef pile, int position) const {
  const std::string& text = table_.Pile(pile);
  if (position < 0 || position >= static_cast<int>(text.size() / 3)) return 0;
  return CodeAt(text, static_cast<std::size_t>(position) * 3);
}

bool TTableView::AllReservesEmpty() const {
  for (int r = 0; r < Reserves(); ++r) {
    if (!IsEmpty(fnAppogg(r))) return false;
  }
  return true;
}

bool TTableView::AnyTableauEmpty(int first, int last) const {
  for (int p = first; p <= last; ++p) {
    if (IsEmpty(fnFila(p))) return true;
  }
  return false;
}

bool TTableView::AnyTableauHolds(int first, int last) const {
  for (int p = first; p <= last; ++p) {
    if (!IsEmpty(fnFila(p))) return true;
  }
  return false;
}

std::optional<TCardPlace> TTableView::FindCard(int card) const {
  if (card <= 0) return std::nullopt;
  struct TStop {
    TPileGroup group;
    int first;
    int count;
  };
  const std::array<TStop, 5> order{{
      {TPileGroup::Mazzo, kMazzo.entry, 1},
      {TPileGroup::Mazzo, kMazzoVis.entry, 1},
      {TPileGroup::Dest, 0, fnPileGroupSize(TPileGroup::Dest)},
      {TPileGroup::Fila, 0, TableauPiles()},
      {TPileGroup::Appogg, 0, Reserves()},
  }};
  for (const TStop& stop : order) {
    for (int entry = stop.first; entry < stop.first + stop.count; ++entry) {
      const std::string& text = table_.Pile({stop.group, entry});
      for (std::size_t at = 0; at + 3 <= text.size(); at += 3) {
        if (CodeAt(text, at) == card) return TCardPlace{{stop.group, entry}, static_cast<int>(at / 3)};
      }
    }
  }
  return std::nullopt;
}

int TTableView::LocateCard(int card) const {
  const auto place = FindCard(card);
  if (!place) return kLocatedNowhere;
  const int entry = place->pile.entry;
  switch (place->pile.group) {
    case TPileGroup::Mazzo: return entry == kMazzo.entry ? kLocatedInStock : kLocatedInWaste;
    case TPileGroup::Dest: return -(entry + 1);
    case TPileGroup::Fila: return entry + 1;
    case TPileGroup::Appogg: return -(21 + entry);
  }
  return kLocatedNowhere;
}

}  // namespace tablerun
