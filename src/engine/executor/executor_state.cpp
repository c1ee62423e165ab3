#include "engine/executor/executor_state.h"

#include "engine/state/tablerun_state.h"
#include "model/card.h"

namespace tablerun {

TExecutorState::TStep TExecutorState::EnterStep() { return {history.BeginPlayerStep(), depth_++ == 0}; }

void TExecutorState::LeaveAutomaticStep(const TStep& step) {
  if (step.outermost) history.MergeLastUndoSteps(history.undo.Size() - step.mark);
  LeaveStep();
}

int TExecutorState::Rule(TRuleSlot slot) const { return state.rules.Get(slot); }
int TExecutorState::Entry(TMainGameEntry entry) const { return state.mainGame.Get(entry); }
void TExecutorState::SetEntry(TMainGameEntry entry, int value) {
  state.mainGame.Set(entry, static_cast<int16_t>(value));
}
TTableView TExecutorState::View() const { return TTableView(state.table, state.rules, state.cards); }

bool TExecutorState::NormalPlay() const { return Entry(entries::kTutorMode) == 0; }

TMoveContext TExecutorState::MoveContext(bool singleCard) const {
  TMoveContext context = fnMoveContext(state.mainGame, singleCard);
  context.stockTurns = stockTurns;
  context.tableauMovesLogged = history.undoLog.Count(TEventKind::TableauMove);
  context.drawLogged = history.undoLog.Count(TEventKind::Draw) > 0;
  return context;
}

void TExecutorState::PlaySound(TConfigField sound, const char* name) {
  if (state.config.IsYes(sound)) state.screen.PlaySound(name, false);
}

void TExecutorState::RecordUndo() { history.RecordUndo(state.table, state.cards, state.config); }

void TExecutorState::DiscardLastUndo() {
  history.undo.DropLast();
  history.undoLog.RemoveLast();
}

void TExecutorState::UpdateWonFlag() {
  state.runtime.SetFlag(TRuntimeFlag::GameJustWon, hooks.isGameWon && hooks.isGameWon());
}

void TExecutorState::LogStockTurn() {
  ++stockTurns;
  history.undoLog.ReplaceLast(TEventKind::StockTurn);
}

void TExecutorState::Append(TPileRef pile, int card, TCardFace face) {
  state.table.SetPile(pile, state.table.Pile(pile) + fnCardText(card));
  if (card > 0) state.cards.fnSetCardFace(card, face);
}

int TExecutorState::StockSize() const { return static_cast<int>(state.table.Pile(kMazzo).size() / 3); }

int TExecutorState::TakeStockTop() {
  std::string stock = state.table.Pile(kMazzo);
  const int card = fnParseCardText(std::string_view(stock).substr(stock.size() - 3)).value_or(0);
  stock.resize(stock.size() - 3);
  state.table.SetPile(kMazzo, stock);
  return card;
}

std::vector<int> TExecutorState::TakeAll(TPileRef pile) {
  const std::string& text = state.table.Pile(pile);
  std::vector<int> cards;
  for (std::size_t at = text.size(); at >= 3; at -= 3) {
    const int card = fnParseCardText(std::string_view(text).substr(at - 3, 3)).value_or(0);
    if (card > 0) cards.push_back(card);
  }
  state.table.SetPile(pile, "");
  return cards;
}

std::vector<int> TExecutorState::GatherTableau(bool lastPileFirst) {
  std::vector<int> gathered;
  const int piles = TableauPiles();
  for (int n = 0; n < piles; ++n) {
    const std::vector<int> cards = TakeAll(fnFila(lastPileFirst ? piles - 1 - n : n));
    gathered.insert(gathered.end(), cards.begin(), cards.end());
  }
  return gathered;
}

}  // namespace tablerun
