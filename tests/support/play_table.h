// The running program's state with a move executor, laid from card names the
// way the legality tests lay theirs, and piles read back as card names.
#pragma once

#include <string>
#include <string_view>

#include "config/file_system.h"
#include "engine/executor/executor.h"
#include "engine/history/table_state_lines.h"
#include "engine/state/tablerun_state.h"
#include "support/legality_table.h"

namespace tablerun::testing {

// "AH", "10S", "#5C" for a face-down card, "--" for a hole.
inline std::string CardName(int code, const TCardStatusTable& cards) {
  if (code == 0) return "--";
  static constexpr const char* kRanks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
  std::string name = cards.fnIsCardFaceDown(code) ? "#" : "";
  if (code >= kFirstJoker) return name + "JK" + std::to_string(code - kFirstJoker + 1);
  const int index = (code - 1) % 52;
  name += kRanks[index % 13];
  name += "HDCS"[index / 13];
  if (code > 52) name += '\'';
  return name;
}

class TPlayTable {
 public:
  TPlayTable() {
    state.runtime.SetFlag(TRuntimeFlag::GameInProgress, true);
    state.mainGame.Set(entries::kRedealRound, 1);
    state.mainGame.Set(entries::kStatisticsEligible, -1);
    state.config.Write(cfg::kUndoEnabled, "0");
  }
  TPlayTable(const TPlayTable&) = delete;
  TPlayTable& operator=(const TPlayTable&) = delete;

  // Rule slots as TLegalityTable::SetRules reads them, over its defaults of
  // four foundations, eight tableau piles and four reserves; piles as its Lay.
  void Set(std::string_view rules, std::string_view piles) {
    TLegalityTable laid;
    laid.SetRules(rules);
    laid.Lay(piles);
    state.rules = laid.rules;
    state.cards = laid.cards;
    for (int line = 0; line < kSnapshotLines; ++line) {
      state.table.SetPile(fnSnapshotPile(line), laid.table.Pile(fnSnapshotPile(line)));
    }
  }

  std::string Names(std::string_view pileName) const {
    const auto pile = fnParsePileName(pileName);
    if (!pile) return "?";
    const std::string& codes = state.table.Pile(*pile);
    std::string names;
    for (std::size_t at = 0; at < codes.size(); at += 3) {
      if (at > 0) names += ' ';
      names += CardName(std::stoi(codes.substr(at, 3)), state.cards);
    }
    return names;
  }

  // A card onto a pile, or a stock operation, by the operation's name; a name
  // that stands for nothing is refused.
  bool Move(std::string_view card, std::string_view destination) { return Execute(CardCode(card), destination); }
  bool Run(std::string_view operation) { return Execute(1, operation); }

  TSnapshot Snapshot() const { return fnTakeSnapshot(state.table, state.cards); }

  bool Execute(int cardOrCount, std::string_view name) {
    const auto operation = fnParseOperation(name);
    return operation && executor.ExecuteMove(cardOrCount, *operation);
  }

  TPosixFileSystem fs;
  TRecordingScreen screen;
  TTablerunState state{fs, screen};
  TMoveExecutor executor{state};
};

}  // namespace tablerun::testing
