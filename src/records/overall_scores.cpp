#include "records/overall_scores.h"

#include <algorithm>

#include "config/text.h"
#include "records/fixed_fields.h"

namespace tablerun {
namespace {

constexpr std::string_view kCorrupted =
    "It appears as if the Overall Score Values are incorrect or corrupted.\r"
    "The Overall Score Values will be deleted and reset to zero.";
constexpr std::size_t kWebScoreLength = 28;
constexpr std::size_t kWebGuardLength = 12;

std::string fnScoreKey(int gameCode) { return "GS-" + fnFixedNumber(gameCode, 4); }
std::string fnTimeKey(int gameCode) { return "GT-" + fnFixedNumber(gameCode, 4); }

void fnDropBroken(TRecordsFolder& folder) { folder.DropCorruptedFile(records_file::kOverall, std::string(kCorrupted)); }

}  // namespace

std::optional<TOverallScore> fnReadStoredOverall(TRecordsFolder& folder, std::string_view player) {
  std::vector<TKeyValue> entries{
      {"T01", fnZeroGuardedValue()}, {"T02", fnZeroGuardedValue()}, {"T03", fnZeroOverallGuard()}};
  folder.Sections(records_file::kOverall).ReadValues(fnTrimRight(player), entries);
  return fnReadGuardedOverall({entries[0].value, entries[1].value, entries[2].value});
}

bool fnUpdateBestScore(TRecordsFolder& folder, int gameCode, std::string_view player, std::int64_t score,
                       std::int64_t seconds, bool force, std::mt19937_64& random) {
  const std::string section = fnTrimRight(player);
  TSectionFile file = folder.Sections(records_file::kOverall);
  std::vector<TKeyValue> entries{{"T01", fnZeroGuardedValue()},
                                 {"T02", fnZeroGuardedValue()},
                                 {"T03", fnZeroOverallGuard()},
                                 {fnScoreKey(gameCode), fnZeroGuardedValue()},
                                 {fnTimeKey(gameCode), fnZeroGuardedValue()}};
  file.ReadValues(section, entries);
  const auto total = fnReadGuardedOverall({entries[0].value, entries[1].value, entries[2].value});
  const auto best = fnReadGuardedValue(TDigitLayout::A, entries[3].value, "");
  const auto bestSeconds = fnReadGuardedValue(TDigitLayout::B, entries[4].value, "");
  if (!total || !best || !bestSeconds) {
    fnDropBroken(folder);
    return false;
  }
  const bool better = score > 0 && (*best < score || (*best == score && seconds < *bestSeconds));
  if (!force && !better) return false;

  const TOverallTexts overall =
      fnGuardedOverall({total->score + score - *best, total->seconds + seconds - *bestSeconds}, random);
  const std::vector<TKeyValue> written{{"T01", overall.score},
                                       {"T02", overall.seconds},
                                       {"T03", overall.guard},
                                       {fnScoreKey(gameCode), fnGuardedValue(TDigitLayout::A, score, "", random)},
                                       {fnTimeKey(gameCode), fnGuardedValue(TDigitLayout::B, seconds, "", random)}};
  return file.RewriteSection(section, fnSectionWithValues(file.ReadSectionLines(section), written));
}

std::optional<TGameBests> fnGameBests(TRecordsFolder& folder, std::string_view player,
                                      const std::vector<TBuiltInGame>& games) {
  std::vector<TKeyValue> entries;
  entries.reserve(games.size() * 2);
  for (const TBuiltInGame& game : games) {
    entries.push_back({fnScoreKey(game.code), fnZeroGuardedValue()});
    entries.push_back({fnTimeKey(game.code), fnZeroGuardedValue()});
  }
  folder.Sections(records_file::kOverall).ReadValues(fnTrimRight(player), entries);

  TGameBests bests;
  for (std::size_t i = 0; i < games.size(); ++i) {
    const auto score = fnReadGuardedValue(TDigitLayout::A, entries[2 * i].value, "");
    const auto seconds = fnReadGuardedValue(TDigitLayout::B, entries[2 * i + 1].value, "");
    if (!score || !seconds) {
      fnDropBroken(folder);
      return std::nullopt;
    }
    bests.games.push_back({games[i], *score, *seconds});
    bests.total.score += *score;
    bests.total.seconds += *seconds;
  }
  std::stable_sort(bests.games.begin(), bests.games.end(),
                   [](const TGameBest& a, const TGameBest& b) { return a.game.name < b.game.name; });
  return bests;
}

std::vector<TRankedPlayer> fnRankPlayers(TRecordsFolder& folder, const std::vector<TBuiltInGame>& games,
                                         std::mt19937_64& random, const TOverallChangeNotice& notice) {
  std::vector<TRankedPlayer> ranking;
  if (!folder.fs.Exists(folder.Path(records_file::kOverall))) return ranking;
  TSectionFile file = folder.Sections(records_file::kOverall);
  bool marked = file.ReadValue("Version", "VOvS", "").found;
  for (const std::string& player : file.ListSections()) {
    if (fnSameTextIgnoringCase(player, "version")) continue;
    const auto stored = fnReadStoredOverall(folder, player);
    if (!stored) {
      fnDropBroken(folder);
      return {};
    }
    const auto bests = fnGameBests(folder, player, games);
    if (!bests) return {};
    if (bests->total != *stored && !marked) {
      if (notice) notice(player, *stored, bests->total);
      file.WriteValue("Version", "VOvS", "0300");
      marked = true;
    }
    const TOverallTexts texts = fnGuardedOverall(bests->total, random);
    const std::string webCode = fnTrimRight(texts.score.substr(0, kWebScoreLength)) +
                                fnTrimRight(texts.seconds.substr(0, kWebScoreLength)) +
                                fnTrimRight(texts.guard.substr(0, kWebGuardLength));
    const TRankedPlayer ranked{player, bests->total, webCode};
    const auto below = std::find_if(ranking.begin(), ranking.end(), [&](const TRankedPlayer& other) {
      return other.overall.score < ranked.overall.score ||
             (other.overall.score == ranked.overall.score && other.overall.seconds > ranked.overall.seconds);
    });
    ranking.insert(below, ranked);
  }
  std::erase_if(ranking, [](const TRankedPlayer& ranked) { return ranked.overall.score == 0; });
  return ranking;
}

}  // namespace tablerun
