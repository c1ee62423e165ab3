// Redeal styles with a step of their own, which deal nothing back.
#include <algorithm>

#include "engine/executor/executor.h"
#include "engine/state/tablerun_state.h"
#include "model/card.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {

constexpr int kPassingPiles = 7;   // style 19
constexpr int kWasteReserves = 8;  // style 20

}  // namespace

bool TMoveExecutor::OntoStockGroup(int style) {
  // A stock shown at the waste's place gathers onto the waste, face up.
  const bool ontoWaste =
      Rule(rule::kStockPiles) == 1 && Rule(rule::kStockShown) == 0 && Rule(rule::kStockTurnsToWaste) == 1;
  const TPileRef target = ontoWaste ? kMazzoVis : kMazzo;
  const TCardFace face = ontoWaste || style == 11 ? TCardFace::Up : TCardFace::Down;
  const std::vector<int> gathered = GatherTableau(style != 16);
  if (gathered.empty() && (style != 16 || View().IsEmpty(kMazzoVis))) return false;
  for (const int card : gathered) Append(target, card, face);
  if (style == 11) {
    std::vector<int> reversed = TakeAll(target);
    for (const int card : reversed) Append(target, card, face);
  }
  if (style == 16) {
    for (const int card : TakeAll(kMazzoVis)) Append(kMazzo, card, face);
    TurnStock(false);
  }
  return true;
}

bool TMoveExecutor::BottomCardsToTop() {
  bool moved = false;
  for (int i = 0; i < TableauPiles(); ++i) {
    const std::string text = state_.table.Pile(fnFila(i));
    if (text.size() < 6) continue;
    state_.table.SetPile(fnFila(i), text.substr(3) + text.substr(0, 3));
    state_.cards.fnSetCardFace(fnParseCardText(std::string_view(text).substr(0, 3)).value_or(0), TCardFace::Up);
    moved = true;
  }
  return moved;
}

bool TMoveExecutor::Sow() {
  const int piles = TableauPiles();
  int sower = std::max(1, static_cast<int>(Entry(entries::kRedealRound)) - 1) - 1;
  for (; sower < piles && View().IsEmpty(fnFila(sower)); ++sower)
    SetEntry(entries::kRedealRound, Entry(entries::kRedealRound) + 1);
  if (sower >= piles) return false;
  std::vector<int> seeds = TakeAll(fnFila(sower));
  Append(fnFila(sower), seeds.front(), TCardFace::Up);
  // The cards under the top card, bottom card first, one to each pile in turn.
  int pile = 0;
  for (auto seed = seeds.rbegin(); seed + 1 != seeds.rend(); ++seed, pile = (pile + 1) % piles) {
    Append(fnFila(pile), *seed, TCardFace::Up);
  }
  return true;
}

bool TMoveExecutor::PassTopCards() {
  const int piles = std::min(kPassingPiles, TableauPiles());
  int holding = 0;
  for (int i = 0; i < piles; ++i) holding += View().IsEmpty(fnFila(i)) ? 0 : 1;
  if (holding == 0) {
    state_.screen.ShowMessage(TMessageKind::Information, "No cards available to move.");
    return false;
  }
  if (holding == 1) {
    state_.screen.ShowMessage(TMessageKind::Information, "Only one pile left.  There are no more redeals.");
    return false;
  }
  // The direction turns with every stock turn.
  const int step = stockTurns_ % 2 == 0 ? 1 : piles - 1;
  std::vector<int> tops(static_cast<std::size_t>(piles), 0);
  for (int i = 0; i < piles; ++i) {
    const int top = View().Top(fnFila(i));
    if (top > 0) state_.table.fnFindCardInPile(fnFila(i), top, TFindOp::Remove);
    tops[static_cast<std::size_t>(i)] = top;
  }
  for (int i = 0; i < piles; ++i) {
    const int card = tops[static_cast<std::size_t>(i)];
    if (card == 0) continue;
    const TPileRef next = fnFila((i + step) % piles);
    state_.table.SetPile(next, fnCardText(card) + state_.table.Pile(next));
  }
  return true;
}

bool TMoveExecutor::WasteToReserves() {
  // Once a game: the Draw kind in the log says it was used.
  if (history_.undoLog.Count(TEventKind::Draw) > 0 || View().IsEmpty(kMazzoVis)) return false;
  history_.undoLog.ReplaceLast(TEventKind::Draw);
  std::vector<int> waste = TakeAll(kMazzoVis);
  std::reverse(waste.begin(), waste.end());
  std::size_t next = 0;
  for (; next < waste.size() && next < static_cast<std::size_t>(kWasteReserves); ++next) {
    Append(fnAppogg(static_cast<int>(next)), waste[next], TCardFace::Up);
  }
  for (; next < waste.size(); ++next) Append(kMazzoVis, waste[next], TCardFace::Up);
  return true;
}

}  // namespace tablerun
