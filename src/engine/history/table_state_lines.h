// The table as text lines: one line per pile, four characters per position
// (the card code and its face status, "0000" for a hole). Undo, redo, saved
// games and bookmarks all keep the table in this form.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

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

// Every card code of the snapshot, sorted, holes left out; nothing when a line
// is no state line.
std::vector<int> fnCardsOfSnapshot(const TSnapshot& snapshot);
// The most positions, holes included, that any one line of the snapshot has.
int fnLongestLine(const TSnapshot& snapshot);

TSnapshot fnTakeSnapshot(const TTable& table, const TCardStatusTable& cards);
// False, changing nothing, when any line is no state line.
bool fnRestoreSnapshot(TTable& table, TCardStatusTable& cards, const TSnapshot& snapshot);

}  // namespace tablerun
