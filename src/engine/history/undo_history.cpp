#include "engine/history/undo_history.h"

namespace tablerun {
namespace {

constexpr int kFirstDestLine = 3;
constexpr int kFirstFilaLine = 19;
constexpr int kFirstAppoggLine = 59;

}  // namespace

template <class Stack>
auto& TUndoStack::ListOf(Stack& stack, int line) {
  if (line < kFirstDestLine) return stack.stock_;
  if (line < kFirstFilaLine) return stack.foundations_;
  if (line < kFirstAppoggLine) return stack.tableau_;
  return stack.reserves_;
}

template <class Stack>
auto& TUndoStack::LineOf(Stack& stack, int index, int line) {
  static constexpr int kFirst[] = {0, kFirstDestLine, kFirstFilaLine, kFirstAppoggLine, kSnapshotLines};
  int group = 0;
  while (line >= kFirst[group + 1]) ++group;
  const int perSnapshot = kFirst[group + 1] - kFirst[group];
  return ListOf(stack, line)[static_cast<std::size_t>(index * perSnapshot + line - kFirst[group])];
}

void TUndoStack::Push(const TTable& table, const TCardStatusTable& cards) {
  for (int line = 0; line < kSnapshotLines; ++line)
    ListOf(*this, line).push_back(fnStateLine(table, cards, fnSnapshotPile(line)));
}

void TUndoStack::Push(const TSnapshot& snapshot) {
  for (int line = 0; line < kSnapshotLines; ++line)
    ListOf(*this, line).push_back(snapshot[static_cast<std::size_t>(line)]);
}

TSnapshot TUndoStack::First() const {
  TSnapshot snapshot;
  for (int line = 0; line < kSnapshotLines; ++line) snapshot[static_cast<std::size_t>(line)] = LineOf(*this, 0, line);
  return snapshot;
}

TSnapshot TUndoStack::Pop() {
  TSnapshot snapshot;
  const int last = Size() - 1;
  for (int line = 0; line < kSnapshotLines; ++line) {
    snapshot[static_cast<std::size_t>(line)] = std::move(LineOf(*this, last, line));
  }
  DropLast();
  return snapshot;
}

void TUndoStack::DropLast() {
  stock_.resize(stock_.size() - kFirstDestLine);
  foundations_.resize(foundations_.size() - (kFirstFilaLine - kFirstDestLine));
  tableau_.resize(tableau_.size() - (kFirstAppoggLine - kFirstFilaLine));
  reserves_.resize(reserves_.size() - (kSnapshotLines - kFirstAppoggLine));
}

void TUndoStack::Clear() {
  stock_.clear();
  foundations_.clear();
  tableau_.clear();
  reserves_.clear();
}

void TUndoHistory::RecordUndo(const TTable& table, const TCardStatusTable& cards, TConfigRecord& config) {
  undo.Push(table, cards);
  undoLog.AppendEmpty();
  config.Write(cfg::kLastWasUndo, "0");
}

void TUndoHistory::RecordRedo(const TTable& table, const TCardStatusTable& cards, TConfigRecord& config) {
  redo.Push(table, cards);
  redoLog.AppendEmpty();
  config.Write(cfg::kLastWasRedo, "0");
}

void TUndoHistory::ClearRedo() {
  redo.Clear();
  redoLog.Clear();
}

void TUndoHistory::Clear() {
  undo.Clear();
  undoLog.Clear();
  ClearRedo();
}

void TUndoHistory::MergeLastUndoSteps(int n) {
  for (; n > 0 && undo.Size() > 1; --n) {
    undo.DropLast();
    undoLog.MergeLastTwo();
  }
}

void TUndoHistory::EndPlayerStep(int mark) { MergeLastUndoSteps(undo.Size() - mark - 1); }

}  // namespace tablerun
