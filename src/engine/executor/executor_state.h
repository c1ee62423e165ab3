// What the pieces of the move executor share: the program's state, the undo
// history with the step being played, the stock-turn counter, the Autoplay
// switch and the end-of-game hooks, and the reads and writes of the table
// that every part makes.
#pragma once

#include <functional>
#include <vector>

#include "config/config_fields.h"
#include "engine/executor/operation.h"
#include "engine/history/undo_history.h"
#include "engine/legality/move_context.h"
#include "engine/state/table_view.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {

class TTablerunState;

// The end of the game plugs its tests in here (TEndOfGame::Hooks); without
// them no position counts as won and no lost test runs.
struct TEndOfGameHooks {
  // Whether the position is won. The executor sets runtime flag 8 from it
  // after every move that can complete a game; it must not change the table.
  std::function<bool()> isGameWon;
  // Runs after an undo, a redo and a restart: a family may find the game lost.
  std::function<void()> runLostTest;
};

// The executor's one entry point for a move, as the automatic moves and the
// stock reach it: what they move is a move like the player's.
class TMoveEntry {
 public:
  virtual bool ExecuteMove(int cardOrCount, const TOperation& operation) = 0;

 protected:
  ~TMoveEntry() = default;
};

class TExecutorState {
 public:
  explicit TExecutorState(TTablerunState& programState) : state(programState) {}
  TExecutorState(const TExecutorState&) = delete;
  TExecutorState& operator=(const TExecutorState&) = delete;

  TTablerunState& state;
  TUndoHistory history;
  TEndOfGameHooks hooks;
  int stockTurns = 0;
  // The Autoplay switch as the window shows it (checked and enabled).
  bool autoplayActive = false;

  // A player's action, or an automatic move inside it: `mark` is the undo
  // stack's size when it began.
  struct TStep {
    int mark;
    bool outermost;
  };
  TStep EnterStep();
  void LeaveStep() { --depth_; }
  // An automatic move called on its own becomes part of the step before it;
  // inside an action the action's step takes it in.
  void LeaveAutomaticStep(const TStep& step);
  bool InStep() const { return depth_ > 0; }

  int Rule(TRuleSlot slot) const;
  int Entry(TMainGameEntry entry) const;
  void SetEntry(TMainGameEntry entry, int value);
  TTableView View() const;
  int TableauPiles() const { return View().TableauPiles(); }
  int Reserves() const { return View().Reserves(); }
  bool NormalPlay() const;
  // What the legality test needs of this game besides the TMainGame entries.
  TMoveContext MoveContext(bool singleCard) const;

  void PlaySound(TConfigField sound, const char* name);
  void RecordUndo();
  void DiscardLastUndo();
  void UpdateWonFlag();
  // The step just recorded advanced the stock-turn counter.
  void LogStockTurn();

  void Append(TPileRef pile, int card, TCardFace face);
  int StockSize() const;
  int TakeStockTop();
  // Empties the pile; its cards top card first.
  std::vector<int> TakeAll(TPileRef pile);
  // Every tableau pile in turn, each top card first.
  std::vector<int> GatherTableau(bool lastPileFirst);

 private:
  // How deep in ExecuteMove and PressStock calls the executor runs.
  int depth_ = 0;
};

}  // namespace tablerun
