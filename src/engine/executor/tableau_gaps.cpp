#include "engine/executor/tableau_gaps.h"

#include "engine/state/tablerun_state.h"

namespace tablerun {

void TTableauGaps::MovePile(int from, int to) {
  state_.table.SetPile(fnFila(to), state_.table.Pile(fnFila(from)));
  state_.table.SetPile(fnFila(from), "");
  exec_.PlaySound(cfg::kSoundTableau, "Shuffle");
}

bool TTableauGaps::RefillGapsFromStock(bool record) {
  const int piles = exec_.TableauPiles();
  bool filled = false;
  for (int i = 0; i < piles && exec_.StockSize() > 0; ++i) {
    if (!exec_.View().IsEmpty(fnFila(i))) continue;
    if (record && !filled) exec_.RecordUndo();
    exec_.Append(fnFila(i), exec_.TakeStockTop(), TCardFace::Up);
    exec_.PlaySound(cfg::kSoundShuffle, "Shuffle");
    filled = true;
  }
  return filled;
}

bool TTableauGaps::CloseGapsInOrder() {
  const int piles = exec_.TableauPiles();
  const TTableView view = exec_.View();
  int firstEmpty = 0;
  while (firstEmpty < piles && !view.IsEmpty(fnFila(firstEmpty))) ++firstEmpty;
  if (firstEmpty >= piles) return false;
  const bool cardsAfter = view.AnyTableauHolds(firstEmpty + 1, piles - 1);
  // With the stock spent only a gap before cards is worth closing.
  if (exec_.StockSize() == 0 && !cardsAfter) return false;
  exec_.RecordUndo();
  int to = firstEmpty;
  for (int from = firstEmpty + 1; from < piles; ++from) {
    if (exec_.View().IsEmpty(fnFila(from))) continue;
    MovePile(from, to++);
  }
  RefillGapsFromStock(false);
  return true;
}

bool TTableauGaps::CloseTableauGaps() {
  bool recorded = false;
  for (;;) {
    int last = exec_.TableauPiles() - 1;
    while (last >= 0 && exec_.View().IsEmpty(fnFila(last))) --last;
    int empty = 0;
    while (empty < last && !exec_.View().IsEmpty(fnFila(empty))) ++empty;
    if (empty >= last) break;
    if (!recorded) exec_.RecordUndo();
    recorded = true;
    MovePile(last, empty);
  }
  if (!recorded) state_.screen.ShowMessage(TMessageKind::Information, "No tableau space to fill.");
  if (recorded) state_.screen.RequestRepaint();
  return recorded;
}

}  // namespace tablerun
