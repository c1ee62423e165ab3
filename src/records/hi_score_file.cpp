#include "records/hi_score_file.h"

#include <algorithm>

#include "config/safe_replace.h"
#include "config/text.h"
#include "records/fixed_fields.h"
#include "records/game_log.h"

namespace tablerun {
namespace {

constexpr std::string_view kFillerNames[kHiScoreRanks] = {"* John",    "* Mary",   "* Robert",  "* Linda", "* Michael",
                                                          "* Susan",   "* David",  "* Karen",   "* James", "* Nancy",
                                                          "* William", "* Helen",  "* Richard", "* Sarah", "* Thomas",
                                                          "* Laura",   "* George", "* Alice",   "* Peter", "* Emily"};
constexpr std::size_t kPlayerColumn = 32;
constexpr std::size_t kPlayerWidth = 30;

std::string_view fnFileName(THiScoreFile kind) {
  return kind == THiScoreFile::HiScores ? records_file::kHiScores : records_file::kSeriesScores;
}

std::string fnRankKey(std::string_view scoreKind, int rank) {
  return std::string(scoreKind) + "-" + fnFixedNumber(rank + 1, 2);
}

bool fnScoresCleared(TRecordsFolder& folder, THiScoreFile kind) {
  return folder.Sections(fnFileName(kind)).ReadValue("Clear scores", "Cleared", "").value == "Y";
}

// True when the table was filled.
bool fnFillDefaults(TRecordsFolder& folder, THiScoreFile kind, THiScoreTable& table,
                    const std::optional<THiScoreDefaults>& defaults) {
  if (kind != THiScoreFile::HiScores || !defaults || !fnIsUnusedHiScore(table[0]) || fnScoresCleared(folder, kind))
    return false;
  const std::string date = fnLogDate(defaults->now);
  const std::string time = fnLogTime(defaults->now);
  const auto scores = fnDefaultHiScores(defaults->cards, defaults->maxScore);
  for (std::size_t k = 0; k < table.size(); ++k) {
    table[k] = fnHiScoreEntryText({.score = scores[k],
                                   .seconds = 5 * scores[k],
                                   .date = date,
                                   .timeOfDay = time,
                                   .player = std::string(kFillerNames[k]),
                                   .tag = std::string(15, '0'),
                                   .won = true});
  }
  return true;
}

THiScoreTable fnReadStored(TRecordsFolder& folder, THiScoreFile kind, std::string_view section,
                           std::string_view scoreKind) {
  std::vector<TKeyValue> entries;
  for (int rank = 0; rank < kHiScoreRanks; ++rank) entries.push_back({fnRankKey(scoreKind, rank), ""});
  folder.Sections(fnFileName(kind)).ReadValues(section, entries);
  THiScoreTable table;
  for (std::size_t k = 0; k < table.size(); ++k) table[k] = entries[k].value;
  return table;
}

bool fnWriteTable(TRecordsFolder& folder, THiScoreFile kind, std::string_view section, std::string_view scoreKind,
                  const THiScoreTable& table) {
  TSectionFile file = folder.Sections(fnFileName(kind));
  std::vector<TKeyValue> entries;
  for (int rank = 0; rank < kHiScoreRanks; ++rank) {
    const std::string& text = table[static_cast<std::size_t>(rank)];
    entries.push_back({fnRankKey(scoreKind, rank),
                       fnIsUnusedHiScore(text) ? fnUnusedHiScoreEntry() : fnPaddedText(text, kHiScoreEntryLength)});
  }
  return file.RewriteSection(section, fnSectionWithValues(file.ReadSectionLines(section), entries));
}

}  // namespace

std::string fnHiScorePlayer(std::string_view entry) {
  return entry.size() <= kPlayerColumn ? "" : fnTrimRight(entry.substr(kPlayerColumn, kPlayerWidth));
}

THiScoreTable fnReadHiScoreTable(TRecordsFolder& folder, THiScoreFile kind, std::string_view section,
                                 std::string_view scoreKind, const std::optional<THiScoreDefaults>& defaults) {
  THiScoreTable table = fnReadStored(folder, kind, section, scoreKind);
  if (fnFillDefaults(folder, kind, table, defaults)) fnWriteTable(folder, kind, section, scoreKind, table);
  return table;
}

int fnEnterHiScoreResult(TRecordsFolder& folder, THiScoreFile kind, std::string_view section,
                         std::string_view scoreKind, const THiScoreEntry& entry,
                         const std::optional<THiScoreDefaults>& defaults) {
  THiScoreTable table = fnReadStored(folder, kind, section, scoreKind);
  const bool filled = fnFillDefaults(folder, kind, table, defaults);
  const int rank = fnEnterHiScore(table, entry);
  if (filled || rank >= 0) fnWriteTable(folder, kind, section, scoreKind, table);
  return rank;
}

bool fnRemoveHiScoreEntries(TRecordsFolder& folder, std::string_view section, std::string_view scoreKind,
                            std::string_view player, const std::function<void(const std::string&)>& removed) {
  const THiScoreTable table = fnReadStored(folder, THiScoreFile::HiScores, section, scoreKind);
  THiScoreTable kept;
  kept.fill(fnUnusedHiScoreEntry());
  std::size_t next = 0;
  bool changed = false;
  for (const std::string& entry : table) {
    if (fnIsUnusedHiScore(entry)) continue;
    const std::string owner = fnHiScorePlayer(entry);
    if (player.empty() || owner == fnTrimRight(player)) {
      if (removed) removed(owner);
      changed = true;
    } else {
      kept[next++] = entry;
    }
  }
  return !changed || fnWriteTable(folder, THiScoreFile::HiScores, section, scoreKind, kept);
}

bool fnClearHiScoreTable(TRecordsFolder& folder, THiScoreFile kind, std::string_view section,
                         std::string_view scoreKind) {
  THiScoreTable table;
  table.fill(fnUnusedHiScoreEntry());
  return fnWriteTable(folder, kind, section, scoreKind, table);
}

bool fnClearHiScoreFile(TRecordsFolder& folder, THiScoreFile kind) {
  return fnReplaceFile(folder.fs, folder.messages, folder.Path(fnFileName(kind)),
                       "[Version]\r\nVersion=0300\r\n\r\n[Clear scores]\r\nCleared=Y\r\n");
}

}  // namespace tablerun
