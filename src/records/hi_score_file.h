// The hi-score tables of Stat_scr.dat (a section per game code) and
// Series_scr.dat (a section per series): twenty keys per table and score kind,
// "01-01" to "01-20", every change written through the safe replace.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/state/clock.h"
#include "records/hi_score_table.h"
#include "records/records_folder.h"

namespace tablerun {

enum class THiScoreFile { HiScores, Series };

// What a never-used table of the hi-score file is filled with: made only while
// statistics count and the game counts, and never after the player cleared
// every hi-score.
struct THiScoreDefaults {
  int cards = 52;     // slot 378 of the game (of its base game for a custom one)
  int maxScore = -1;  // slot 52
  TDateTime now;
};

// The table, with its default entries filled in (and stored) when `defaults` is given.
THiScoreTable fnReadHiScoreTable(TRecordsFolder& folder, THiScoreFile kind, std::string_view section,
                                 std::string_view scoreKind, const std::optional<THiScoreDefaults>& defaults);

// Enters a result; the rank it took (0 the first) or -1.
int fnEnterHiScoreResult(TRecordsFolder& folder, THiScoreFile kind, std::string_view section,
                         std::string_view scoreKind, const THiScoreEntry& entry,
                         const std::optional<THiScoreDefaults>& defaults);

// Removes the entries of `player` (every entry when it is empty); `removed`
// hears each player whose entry went, once per entry.
bool fnRemoveHiScoreEntries(TRecordsFolder& folder, std::string_view section, std::string_view scoreKind,
                            std::string_view player, const std::function<void(const std::string&)>& removed);

// Twenty unused entries.
bool fnClearHiScoreTable(TRecordsFolder& folder, THiScoreFile kind, std::string_view section,
                         std::string_view scoreKind);

// Deletes every table and marks the file so that no default entries come back.
bool fnClearHiScoreFile(TRecordsFolder& folder, THiScoreFile kind);

// The player named on a stored entry.
std::string fnHiScorePlayer(std::string_view entry);

}  // namespace tablerun
