// The undo and redo stacks with their event logs. A stack is four line lists,
// one per pile group, so that a snapshot is pushed by appending its lines and
// popped from the ends, and a saved game writes the lists as they stand.
#pragma once

#include <string>
#include <vector>

#include "config/config_record.h"
#include "engine/history/event_log.h"
#include "engine/history/table_state_lines.h"

namespace tablerun {

class TUndoStack {
 public:
  void Push(const TTable& table, const TCardStatusTable& cards);
  void Push(const TSnapshot& snapshot);
  // Both need a snapshot on the stack.
  TSnapshot Pop();
  TSnapshot First() const;
  void DropLast();

  int Size() const { return static_cast<int>(stock_.size()) / kStockLines; }
  bool Empty() const { return stock_.empty(); }
  void Clear();

  const std::vector<std::string>& StockLines() const { return stock_; }
  const std::vector<std::string>& FoundationLines() const { return foundations_; }
  const std::vector<std::string>& TableauLines() const { return tableau_; }
  const std::vector<std::string>& ReserveLines() const { return reserves_; }

 private:
  static constexpr int kStockLines = 3;
  // The list that holds snapshot line `line`, and that line of the snapshot
  // at depth `index` (0 the oldest).
  template <class Stack>
  static auto& ListOf(Stack& stack, int line);
  template <class Stack>
  static auto& LineOf(Stack& stack, int index, int line);

  std::vector<std::string> stock_;
  std::vector<std::string> foundations_;
  std::vector<std::string> tableau_;
  std::vector<std::string> reserves_;
};

class TUndoHistory {
 public:
  TUndoStack undo;
  TUndoStack redo;
  TEventLog undoLog;
  TEventLog redoLog;

  // The table as it is now, before a change; the last action is no longer an undo.
  void RecordUndo(const TTable& table, const TCardStatusTable& cards, TConfigRecord& config);
  void RecordRedo(const TTable& table, const TCardStatusTable& cards, TConfigRecord& config);
  void ClearRedo();
  void Clear();

  // The n most recent steps become part of the step before them.
  void MergeLastUndoSteps(int n);

  // Everything recorded between the two calls (a move with its automatic
  // consequences) is undone by one undo. BeginPlayerStep returns the mark that
  // EndPlayerStep takes.
  int BeginPlayerStep() const { return undo.Size(); }
  void EndPlayerStep(int mark);
};

}  // namespace tablerun
