// Empty tableau piles: refilled from the stock, or closed up by moving the
// piles after them.
#include "engine/executor/executor.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {
namespace {


}  // namespace

void TMoveExecutor::MovePile(int from, int to) {
  state_.table.SetPile(fnFila(to), state_.table.Pile(fnFila(from)));
  state_.table.SetPile(fnFila(from), "");
  PlaySound(cfg::kSoundTableau, "Shuffle");
}

bool TMoveExecutor::RefillGapsFromStock(bool record) {
  const int piles = TableauPiles();
  bool filled = false;
  for (int i = 0; i < piles && StockSize() > 0; ++i) {
    if (!View().IsEmpty(fnFila(i))) continue;
    if (record && !filled) RecordUndo();
    Append(fnFila(i), TakeStockTop(), TCardFace::Up);
    PlaySound(cfg::kSoundShuffle, "Shuffle");
    filled = true;
  }
  return filled;
}

bool TMoveExecutor::CloseGapsInOrder() {
  const int piles = TableauPiles();
  const TTableView view = View();
  int firstEmpty = 0;
  while (firstEmpty < piles && !view.IsEmpty(fnFila(firstEmpty))) ++firstEmpty;
  if (firstEmpty >= piles) return false;
  const bool cardsAfter = view.AnyTableauHolds(firstEmpty + 1, piles - 1);
  // With the stock spent only a gap before cards is worth closing.
  if (StockSize() == 0 && !cardsAfter) return false;
  RecordUndo();
  int to = firstEmpty;
  for (int from = firstEmpty + 1; from < piles; ++from) {
    if (View().IsEmpty(fnFila(from))) continue;
    MovePile(from, to++);
  }
  RefillGapsFromStock(false);
  return true;
}

bool TMoveExecutor::CloseTableauGaps() {
  bool recorded = false;
  for (;;) {
    int last = TableauPiles() - 1;
    while (last >= 0 && View().IsEmpty(fnFila(last))) --last;
    int empty = 0;
    while (empty < last && !View().IsEmpty(fnFila(empty))) ++empty;
    if (empty >= last) break;
    if (!recorded) RecordUndo();
    recorded = true;
    MovePile(last, empty);
  }
  if (!recorded) state_.screen.ShowMessage(TMessageKind::Information, "No tableau space to fill.");
  if (recorded) state_.screen.RequestRepaint();
  return recorded;
}

}  // namespace tablerun
