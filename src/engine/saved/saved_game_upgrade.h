// Saved games of older format versions: how many piles of each kind their
// snapshots hold, and how such a snapshot becomes today's.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/history/table_state_lines.h"

namespace tablerun {

inline constexpr std::string_view kSavedGameVersion = "0920";

// The lines per snapshot of each group, in file order.
struct TSnapshotShape {
  int stock = 3;
  int foundations = 16;
  int tableau = 40;
  int reserves = 12;
  int Lines() const { return stock + foundations + tableau + reserves; }
};

// Nothing for a version that is not four digits or is newer than ours.
std::optional<TSnapshotShape> fnSnapshotShape(std::string_view version);

// A snapshot of the version's shape as today's 71 lines; empty lines stand
// for the piles the version did not have.
TSnapshot fnUpgradeSnapshot(std::vector<std::string> lines, std::string_view version);

// Line 2 of files older than "0301" holds the base ranks of twelve foundations.
std::string fnUpgradeSecondLine(std::string_view line, std::string_view version);

}  // namespace tablerun
