// Rules over several foundations at once: distinct suits, alternating colours.
#include <array>
#include <string>

#include "engine/legality/move_legality.h"

namespace tablerun {

namespace {

// Counts a suit; false when it was counted before. Jokers carry no suit.
bool CountSuit(std::array<bool, 4>& seen, int suit) {
  if (suit < 0 || suit > 3) return true;
  const auto at = static_cast<std::size_t>(suit);
  if (seen[at]) return false;
  seen[at] = true;
  return true;
}

}  // namespace

bool FoundationSuitsDistinct(const TTableView& view, int f0, int f1, int f2, int f3, int destination, int card) {
  std::array<bool, 4> seen{};
  bool standsIn = false;
  for (const int f : {f0, f1, f2, f3}) {
    int suit = -1;
    if (f == destination) {
      suit = fnCardSuit(card);
      standsIn = true;
    } else if (!view.IsEmpty(fnDest(f))) {
      suit = fnCardSuit(view.Top(fnDest(f)));
    }
    if (!CountSuit(seen, suit)) return false;
  }
  return standsIn || CountSuit(seen, fnCardSuit(card));
}

bool FoundationColoursAlternate(const TTableView& view, int card, int i) {
  const int count = view.Foundations();
  if (i < 0 || i >= count) return false;
  std::string colours(static_cast<std::size_t>(count), ' ');
  bool started = false;
  for (int f = 0; f < count; ++f) {
    const TPileRef pile = fnDest(f);
    if (view.IsEmpty(pile)) continue;
    colours[static_cast<std::size_t>(f)] = fnIsRedCard(view.Bottom(pile)) ? 'R' : 'B';
    started = true;
  }
  if (!started) return true;
  const auto other = [](char colour) { return colour == 'R' ? 'B' : 'R'; };
  for (std::size_t f = 1; f < colours.size(); ++f) {
    if (colours[f] == ' ' && colours[f - 1] != ' ') colours[f] = other(colours[f - 1]);
  }
  for (std::size_t f = colours.size() - 1; f > 0; --f) {
    if (colours[f - 1] == ' ' && colours[f] != ' ') colours[f - 1] = other(colours[f]);
  }
  return colours[static_cast<std::size_t>(i)] == (fnIsRedCard(card) ? 'R' : 'B');
}

}  // namespace tablerun
