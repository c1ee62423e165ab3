#include "records/statistics_records.h"

#include "config/text.h"
#include "records/fixed_fields.h"

namespace tablerun {
namespace {

std::string fnKeyOf(std::string_view line) { return fnTrimRight(line.substr(0, line.find('='))); }

}  // namespace

std::string fnGameSection(int gameCode) { return fnFixedNumber(gameCode, 4); }

TGameStatistics fnReadStatistics(TRecordsFolder& folder, int gameCode, std::string_view player) {
  const TFoundValue found =
      folder.Sections(records_file::kStatistics).ReadValue(fnGameSection(gameCode), fnTrimRight(player), "");
  return fnParseStatistics(found.value);
}

bool fnWriteStatistics(TRecordsFolder& folder, int gameCode, std::string_view player,
                       const TGameStatistics& statistics) {
  TSectionFile file = folder.Sections(records_file::kStatistics);
  const std::string section = fnGameSection(gameCode);
  const std::string key = fnTrimRight(player);
  return file.RewriteSection(
      section, fnSectionWithValues(file.ReadSectionLines(section), {{key, fnStatisticsText(statistics)}}));
}

std::map<int, TGameStatistics> fnReadPlayerStatistics(TRecordsFolder& folder, std::string_view player) {
  std::map<int, TGameStatistics> records;
  const std::string wanted = fnTrimRight(player);
  std::optional<int> game;
  for (const std::string& line : folder.ReadLines(records_file::kStatistics)) {
    if (const auto name = fnSectionName(line)) {
      const auto code = fnParseInteger(*name);
      game = code ? std::optional(static_cast<int>(*code)) : std::nullopt;
    } else if (game && line.find('=') != std::string::npos && fnKeyOf(line) == wanted && !records.contains(*game)) {
      records[*game] = fnParseStatistics(line.substr(line.find('=') + 1));
    }
  }
  return records;
}

std::vector<std::string> fnStatisticsGames(TRecordsFolder& folder) {
  std::vector<std::string> games;
  for (std::string& name : folder.Sections(records_file::kStatistics).ListSections()) {
    if (!fnSameTextIgnoringCase(name, "version")) games.push_back(std::move(name));
  }
  return games;
}

std::vector<std::string> fnStatisticsPlayers(TRecordsFolder& folder, int gameCode) {
  std::vector<std::string> players;
  for (const std::string& line : folder.Sections(records_file::kStatistics).ReadSectionLines(fnGameSection(gameCode))) {
    if (line.find('=') != std::string::npos) players.push_back(fnKeyOf(line));
  }
  return players;
}

bool fnZeroStatistics(TRecordsFolder& folder, std::optional<int> gameCode, const std::optional<std::string>& player) {
  if (!folder.fs.Exists(folder.Path(records_file::kStatistics))) return true;
  // One pass over the whole file, however many games the choice covers.
  const std::string zeros = fnStatisticsText({});
  std::vector<std::string> lines = folder.ReadLines(records_file::kStatistics);
  bool inChosenGame = false;
  bool changed = false;
  for (std::string& line : lines) {
    if (const auto name = fnSectionName(line)) {
      inChosenGame =
          !fnSameTextIgnoringCase(*name, "version") && (!gameCode || fnParseInteger(*name).value_or(-1) == *gameCode);
      continue;
    }
    if (!inChosenGame || line.find('=') == std::string::npos) continue;
    const std::string key = fnKeyOf(line);
    if (player && key != *player) continue;
    line = key + "=" + zeros;
    changed = true;
  }
  return !changed || folder.WriteLines(records_file::kStatistics, lines);
}

}  // namespace tablerun
