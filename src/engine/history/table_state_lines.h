// The table as text lines: one line per pile, four characters per position
// (the card code and its face status, "0000" for a hole). Undo, redo, saved
// games and bookmarks all keep the table in this form.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/card_status_table.h"
#include "model/table.h"

namespace tablerun {

// Stock group, foundations, tableau piles, reserves: every pile, used or not.
inline constexpr int kSnapshotLines = 71;
using TSnapshot = std::array<std::string, kSnapshotLines>;

// The pile that line i of a snapshot describes.
TPileRef fnSnapshotPile(int line);

std::string fnStateLine(const TTable& table, const TCardStatusTable& cards, TPileRef pile);
// Whole four-character positions of a card code (or "000") and "0" or "1".
bool fnIsStateLine(std::string_view line);
// Lays the pile and writes each card's face; false, changing nothing, for a
// line that is no state line.
bool fnApplyStateLine(TTable& table, TCardStatusTable& cards, TPileRef pile, std::string_view line);

TSnapshot fnTakeSnapshot(const TTable& table, const TCardStatusTable& cards);
// False, changing nothing, when any line is no state line.
bool fnRestoreSnapshot(TTable& table, TCardStatusTable& cards, const TSnapshot& snapshot);

}  // namespace tablerun
