#include "engine/executor/redeal_steps.h"

#include <algorithm>

#include "engine/state/tablerun_state.h"
#include "model/card.h"

namespace tablerun {
namespace {

constexpr int kPassingPiles = 7;   // style 19
constexpr int kWasteReserves = 8;  // style 20

}  // namespace

bool TRedealSteps::OntoStockGroup(int style) {
  // A stock shown at the waste's place gathers onto the waste, face up.
  const bool ontoWaste = exec_.Rule(rule::kStockPiles) == 1 && exec_.Rule(rule::kStockShown) == 0 &&
                         exec_.Rule(rule::kStockTurnsToWaste) == 1;
  const TPileRef target = ontoWaste ? kMazzoVis : kMazzo;
  const TCardFace face = ontoWaste || style == 11 ? TCardFace::Up : TCardFace::Down;
  const std::vector<int> gathered = exec_.GatherTableau(style != 16);
  if (gathered.empty() && (style != 16 || exec_.View().IsEmpty(kMazzoVis))) return false;
  for (const int card : gathered) exec_.Append(target, card, face);
  if (style == 11) {
    std::vector<int> reversed = exec_.TakeAll(target);
    for (const int card : reversed) exec_.Append(target, card, face);
  }
  if (style == 16) {
    for (const int card : exec_.TakeAll(kMazzoVis)) exec_.Append(kMazzo, card, face);
    stockTurns_.TurnStock(false);
  }
  return true;
}

bool TRedealSteps::BottomCardsToTop() {
  bool moved = false;
  for (int i = 0; i < exec_.TableauPiles(); ++i) {
    const std::string text = state_.table.Pile(fnFila(i));
    if (text.size() < 6) continue;
    state_.table.SetPile(fnFila(i), text.substr(3) + text.substr(0, 3));
    state_.cards.fnSetCardFace(fnParseCardText(std::string_view(text).substr(0, 3)).value_or(0), TCardFace::Up);
    moved = true;
  }
  return moved;
}

bool TRedealSteps::Sow() {
  const int piles = exec_.TableauPiles();
  int sower = std::max(1, static_cast<int>(exec_.Entry(entries::kRedealRound)) - 1) - 1;
  for (; sower < piles && exec_.View().IsEmpty(fnFila(sower)); ++sower)
    exec_.SetEntry(entries::kRedealRound, exec_.Entry(entries::kRedealRound) + 1);
  if (sower >= piles) return false;
  std::vector<int> seeds = exec_.TakeAll(fnFila(sower));
  exec_.Append(fnFila(sower), seeds.front(), TCardFace::Up);
  // The cards under the top card, bottom card first, one to each pile in turn.
  int pile = 0;
  for (auto seed = seeds.rbegin(); seed + 1 != seeds.rend(); ++seed, pile = (pile + 1) % piles) {
    exec_.Append(fnFila(pile), *seed, TCardFace::Up);
  }
  return true;
}

bool TRedealSteps::PassTopCards() {
  const int piles = std::min(kPassingPiles, exec_.TableauPiles());
  int holding = 0;
  for (int i = 0; i < piles; ++i) holding += exec_.View().IsEmpty(fnFila(i)) ? 0 : 1;
  if (holding == 0) {
    state_.screen.ShowMessage(TMessageKind::Information, "No cards available to move.");
    return false;
  }
  if (holding == 1) {
    state_.screen.ShowMessage(TMessageKind::Information, "Only one pile left.  There are no more redeals.");
    return false;
  }
  // The direction turns with every stock turn.
  const int step = exec_.stockTurns % 2 == 0 ? 1 : piles - 1;
  std::vector<int> tops(static_cast<std::size_t>(piles), 0);
  for (int i = 0; i < piles; ++i) {
    const int top = exec_.View().Top(fnFila(i));
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

bool TRedealSteps::WasteToReserves() {
  // Once a game: the Draw kind in the log says it was used.
  if (exec_.history.undoLog.Count(TEventKind::Draw) > 0 || exec_.View().IsEmpty(kMazzoVis)) return false;
  exec_.history.undoLog.ReplaceLast(TEventKind::Draw);
  std::vector<int> waste = exec_.TakeAll(kMazzoVis);
  std::reverse(waste.begin(), waste.end());
  std::size_t next = 0;
  for (; next < waste.size() && next < static_cast<std::size_t>(kWasteReserves); ++next) {
    exec_.Append(fnAppogg(static_cast<int>(next)), waste[next], TCardFace::Up);
  }
  for (; next < waste.size(); ++next) exec_.Append(kMazzoVis, waste[next], TCardFace::Up);
  return true;
}

}  // namespace tablerun
