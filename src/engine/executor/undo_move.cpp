#include "engine/executor/undo_move.h"

#include "engine/state/draw_flag.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

bool TUndoCommands::StepBack(bool undo) {
  TUndoStack& from = undo ? exec_.history.undo : exec_.history.redo;
  TEventLog& fromLog = undo ? exec_.history.undoLog : exec_.history.redoLog;
  TEventLog& toLog = undo ? exec_.history.redoLog : exec_.history.undoLog;
  const TConfigField lastWas = undo ? cfg::kLastWasUndo : cfg::kLastWasRedo;
  const std::string setting = state_.config.Read(cfg::kUndoEnabled);
  if (!state_.runtime.Flag(TRuntimeFlag::GameInProgress) || from.Empty() || setting == "2" ||
      (setting == "1" && state_.config.Read(lastWas) == "1")) {
    state_.screen.Beep();
    return false;
  }
  exec_.SetEntry(entries::kUndoRepaint, -1);
  if (undo) {
    exec_.PlaySound(cfg::kSoundUndo, "Undo");
    exec_.history.RecordRedo(state_.table, state_.cards, state_.config);
  } else {
    exec_.PlaySound(cfg::kSoundRedo, "Redo");
    exec_.history.RecordUndo(state_.table, state_.cards, state_.config);
  }
  state_.config.Write(lastWas, "1");

  const bool stockWasEmpty = exec_.StockSize() == 0;
  fnRestoreSnapshot(state_.table, state_.cards, from.Pop());
  const int step = undo ? -1 : 1;
  // A stock emptied by undo (or filled by redo) was a redeal's doing.
  const bool stockRuleMovedRound =
      undo ? !stockWasEmpty && exec_.StockSize() == 0 : stockWasEmpty && exec_.StockSize() != 0;
  if (stockRuleMovedRound) exec_.SetEntry(entries::kRedealRound, exec_.Entry(entries::kRedealRound) + step);
  if (!fromLog.Empty()) {
    const std::string entry(fromLog.Last());
    if (TEventLog::Holds(entry, TEventKind::StockTurn)) exec_.stockTurns += step;
    if (TEventLog::Holds(entry, TEventKind::Redeal) && !stockRuleMovedRound) {
      exec_.SetEntry(entries::kRedealRound, exec_.Entry(entries::kRedealRound) + step);
    }
    if (TEventLog::Holds(entry, TEventKind::Draw)) exec_.SetEntry(entries::kFamilyScratch, undo ? 0 : 1);
    toLog.ReplaceLast(entry);
    fromLog.RemoveLast();
  }

  state_.screen.RequestRepaint();
  if (exec_.hooks.runLostTest) exec_.hooks.runLostTest();
  if (exec_.history.undo.Empty()) exec_.SetEntry(entries::kMoveCounter, 0);
  return true;
}

bool TUndoCommands::RestartGame() {
  // With nothing recorded the table is still the dealt one.
  if (!exec_.history.undo.Empty()) fnRestoreSnapshot(state_.table, state_.cards, exec_.history.undo.First());
  exec_.history.Clear();
  exec_.stockTurns = 0;
  exec_.SetEntry(entries::kRedealRound, 1);
  exec_.SetEntry(entries::kMoveCounter, 0);
  exec_.SetEntry(entries::kStockPressed, 0);
  if (fnHasDrawFlag(exec_.Rule(rule::kFamily))) exec_.SetEntry(entries::kFamilyScratch, 0);
  state_.runtime.SetFlag(TRuntimeFlag::GameInProgress, true);
  state_.runtime.SetFlag(TRuntimeFlag::GameJustWon, false);
  state_.screen.RequestRepaint();
  if (exec_.hooks.runLostTest) exec_.hooks.runLostTest();
  exec_.PlaySound(cfg::kSoundRestart, "Restart");
  return true;
}

}  // namespace tablerun
