// Undo, redo and restart: the table back from the history, with the counters
// outside the piles that the event log says the step had moved.
#include "engine/executor/executor.h"
#include "engine/state/draw_flag.h"
#include "engine/state/tablerun_state.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {


}  // namespace

bool TMoveExecutor::UndoMove() {
  return StepBack(true);
}
bool TMoveExecutor::RedoMove() {
  return StepBack(false);
}

bool TMoveExecutor::StepBack(bool undo) {
  TUndoStack& from = undo ? history_.undo : history_.redo;
  TEventLog& fromLog = undo ? history_.undoLog : history_.redoLog;
  TEventLog& toLog = undo ? history_.redoLog : history_.undoLog;
  const TConfigField lastWas = undo ? cfg::kLastWasUndo : cfg::kLastWasRedo;
  const std::string setting = state_.config.Read(cfg::kUndoEnabled);
  if (!state_.runtime.Flag(TRuntimeFlag::GameInProgress) || from.Empty() || setting == "2" ||
      (setting == "1" && state_.config.Read(lastWas) == "1")) {
    state_.screen.Beep();
    return false;
  }
  SetEntry(entries::kUndoRepaint, -1);
  if (undo) {
    PlaySound(cfg::kSoundUndo, "Undo");
    history_.RecordRedo(state_.table, state_.cards, state_.config);
  } else {
    PlaySound(cfg::kSoundRedo, "Redo");
    history_.RecordUndo(state_.table, state_.cards, state_.config);
  }
  state_.config.Write(lastWas, "1");

  const bool stockWasEmpty = StockSize() == 0;
  fnRestoreSnapshot(state_.table, state_.cards, from.Pop());
  const int step = undo ? -1 : 1;
  // A stock emptied by undo (or filled by redo) was a redeal's doing.
  const bool stockRuleMovedRound = undo ? !stockWasEmpty && StockSize() == 0 : stockWasEmpty && StockSize() != 0;
  if (stockRuleMovedRound) SetEntry(entries::kRedealRound, Entry(entries::kRedealRound) + step);
  if (!fromLog.Empty()) {
    const std::string entry(fromLog.Last());
    if (TEventLog::Holds(entry, TEventKind::StockTurn)) stockTurns_ += step;
    if (TEventLog::Holds(entry, TEventKind::Redeal) && !stockRuleMovedRound) {
      SetEntry(entries::kRedealRound, Entry(entries::kRedealRound) + step);
    }
    if (TEventLog::Holds(entry, TEventKind::Draw)) SetEntry(entries::kFamilyScratch, undo ? 0 : 1);
    toLog.ReplaceLast(entry);
    fromLog.RemoveLast();
  }

  state_.screen.RequestRepaint();
  if (hooks_.runLostTest) hooks_.runLostTest();
  if (history_.undo.Empty()) SetEntry(entries::kMoveCounter, 0);
  return true;
}

bool TMoveExecutor::RestartGame() {
  // With nothing recorded the table is still the dealt one.
  if (!history_.undo.Empty()) fnRestoreSnapshot(state_.table, state_.cards, history_.undo.First());
  history_.Clear();
  stockTurns_ = 0;
  SetEntry(entries::kRedealRound, 1);
  SetEntry(entries::kMoveCounter, 0);
  SetEntry(entries::kStockPressed, 0);
  if (fnHasDrawFlag(Rule(rule::kFamily))) SetEntry(entries::kFamilyScratch, 0);
  state_.runtime.SetFlag(TRuntimeFlag::GameInProgress, true);
  state_.runtime.SetFlag(TRuntimeFlag::GameJustWon, false);
  state_.screen.RequestRepaint();
  if (hooks_.runLostTest) hooks_.runLostTest();
  PlaySound(cfg::kSoundRestart, "Restart");
  return true;
}

}  // namespace tablerun
