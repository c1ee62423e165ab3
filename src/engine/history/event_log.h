// What each undo step took back besides the piles: one entry per snapshot,
// each ended by ",", holding three-digit event kinds.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tablerun {

enum class TEventKind {
  TableauMove = 1,  // a family counts its tableau moves
  StockTurn = 2,    // the stock-turn counter went up
  Redeal = 3,       // a gathering redeal raised the redeal round
  Draw = 4,         // the Draw (or a family's exchange) was used
};

class TEventLog {
 public:
  const std::string& Text() const { return text_; }
  // False, changing nothing, unless every entry holds whole three-digit kinds.
  bool SetText(std::string_view text);
  bool Empty() const { return text_.empty(); }
  void Clear();

  void AppendEmpty() { text_ += ','; }
  // The last entry becomes the kind alone; an empty log gets it as its only entry.
  void ReplaceLast(TEventKind kind);
  void ReplaceLast(std::string_view entry);
  void RemoveLast();
  // Without its ",".
  std::string_view Last() const;
  // One entry stands for both; it keeps the kinds of the two, so that undoing
  // merged steps still rolls back every counter they raised.
  void MergeLastTwo();
  bool LastHolds(TEventKind kind) const { return Holds(Last(), kind); }
  // Entries holding `kind`.
  int Count(TEventKind kind) const { return counts_[static_cast<std::size_t>(kind)]; }

  static bool Holds(std::string_view entry, TEventKind kind);

 private:
  // Where the last entry starts.
  std::size_t LastStart() const;
  // Adds `sign` to the count of every kind `entry` holds.
  void CountEntry(std::string_view entry, int sign);

  std::string text_;
  // Kept as the log changes: moves ask these on every legality question,
  // and a scan would cost as much as the game is long.
  std::array<int, 5> counts_{};
};

}  // namespace tablerun
