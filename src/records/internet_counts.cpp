#include "records/internet_counts.h"

#include "config/text.h"
#include "records/fixed_fields.h"
#include "records/guarded_values.h"

namespace tablerun {
namespace {

constexpr std::string_view kCorrupted =
    "It appears as if the Internet Single Game Values are incorrect or corrupted.\r"
    "The Internet Single Game Values will be deleted and reset to zero.";

std::string fnWonKey(int gameCode) { return "GW-" + fnFixedNumber(gameCode, 4); }
std::string fnLostKey(int gameCode) { return "GL-" + fnFixedNumber(gameCode, 4); }

struct TStoredCounts {
  std::string won;
  std::string lost;
};

TStoredCounts fnReadStored(TRecordsFolder& folder, int gameCode, std::string_view player) {
  std::vector<TKeyValue> entries{{fnWonKey(gameCode), fnZeroGuardedValue()},
                                 {fnLostKey(gameCode), fnZeroGuardedValue()}};
  folder.Sections(records_file::kInternet).ReadValues(fnTrimRight(player), entries);
  return {entries[0].value, entries[1].value};
}

std::optional<TInternetCounts> fnDecode(TRecordsFolder& folder, int gameCode, const TStoredCounts& stored) {
  const auto won = fnReadGuardedValue(TDigitLayout::A, stored.won, fnWonKey(gameCode));
  const auto lost = fnReadGuardedValue(TDigitLayout::B, stored.lost, fnLostKey(gameCode));
  if (won && lost) return TInternetCounts{*won, *lost};
  folder.DropCorruptedFile(records_file::kInternet, std::string(kCorrupted));
  return std::nullopt;
}

std::vector<TKeyValue> fnStoredEntries(int gameCode, const TInternetCounts& counts, std::mt19937_64& random) {
  return {{fnWonKey(gameCode), fnGuardedValue(TDigitLayout::A, counts.won, fnWonKey(gameCode), random)},
          {fnLostKey(gameCode), fnGuardedValue(TDigitLayout::B, counts.lost, fnLostKey(gameCode), random)}};
}

}  // namespace

std::optional<TInternetCounts> fnReadInternetCounts(TRecordsFolder& folder, int gameCode, std::string_view player) {
  return fnDecode(folder, gameCode, fnReadStored(folder, gameCode, player));
}

std::optional<TInternetCountTexts> fnReadInternetCountTexts(TRecordsFolder& folder, int gameCode,
                                                            std::string_view player) {
  const TStoredCounts stored = fnReadStored(folder, gameCode, player);
  if (!fnDecode(folder, gameCode, stored)) return std::nullopt;
  return TInternetCountTexts{fnUnshiftWithKey(stored.won), fnUnshiftWithKey(stored.lost)};
}

bool fnCountInternetGame(TRecordsFolder& folder, int gameCode, std::string_view player, bool won,
                         std::mt19937_64& random) {
  auto counts = fnReadInternetCounts(folder, gameCode, player);
  if (!counts) return false;
  (won ? counts->won : counts->lost) += 1;
  TSectionFile file = folder.Sections(records_file::kInternet);
  const std::string section = fnTrimRight(player);
  return file.RewriteSection(
      section, fnSectionWithValues(file.ReadSectionLines(section), fnStoredEntries(gameCode, *counts, random)));
}

bool fnResetInternetCounts(TRecordsFolder& folder, int gameCode, std::string_view player, std::mt19937_64& random) {
  const std::string path = folder.Path(records_file::kInternet);
  if (!folder.fs.Exists(path)) return true;
  // One pass over the whole file: clearing every game of a player must not
  // rewrite the file once per game.
  const std::string wanted = fnTrimRight(player);
  std::vector<std::string> lines = folder.ReadLines(records_file::kInternet);
  bool inChosenSection = false;
  bool changed = false;
  for (std::string& line : lines) {
    if (const auto name = fnSectionName(line)) {
      inChosenSection = wanted.empty() || *name == wanted;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inChosenSection || equals == std::string::npos) continue;
    const std::string key = fnTrimRight(std::string_view(line).substr(0, equals));
    const bool isWon = key.starts_with("GW-");
    if (!isWon && !key.starts_with("GL-")) continue;
    const auto code = fnParseInteger(std::string_view(key).substr(3));
    if (!code || (gameCode >= 0 && *code != gameCode)) continue;
    const std::string storedKey = isWon ? fnWonKey(static_cast<int>(*code)) : fnLostKey(static_cast<int>(*code));
    line = storedKey + "=" + fnGuardedValue(isWon ? TDigitLayout::A : TDigitLayout::B, 0, storedKey, random);
    changed = true;
  }
  return !changed || folder.WriteLines(records_file::kInternet, lines);
}

}  // namespace tablerun
