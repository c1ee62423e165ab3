#include "records/game_log.h"

#include "config/text.h"
#include "records/fixed_fields.h"

namespace tablerun {
namespace {

// Every line ends so; readers have never needed it, but it stays in the format.
constexpr std::string_view kLineTail = "7154";

std::string fnTwoDigits(int value) { return fnFixedNumber(value, 2); }

}  // namespace

std::string fnLogDate(const TDateTime& end) {
  return fnFixedNumber(end.year, 4) + fnTwoDigits(end.month) + fnTwoDigits(end.day);
}

std::string fnLogTime(const TDateTime& end) {
  return fnTwoDigits(end.hour) + ":" + fnTwoDigits(end.minute) + ":" + fnTwoDigits(end.second);
}

std::string fnGameLogLine(const TGameLogEntry& entry) {
  std::string line = fnLogDate(entry.end) + " " + fnLogTime(entry.end) + " ";
  line += fnFixedNumber(entry.elapsedSeconds, 6) + " ";
  line += fnFixedNumber(entry.gameCode, 4) + " ";
  line += fnPaddedText(entry.gameName, 50) + " ";
  line += fnPaddedText(entry.player, 30) + " ";
  line += entry.won ? "Won  " : "Lost ";
  line += fnPaddedText(entry.scoreKind, 2) + " ";
  line += fnPaddedText(entry.score, 6) + " ";
  line += fnPaddedText(entry.gameNumber, 15) + " ";
  return line + std::string(kLineTail);
}

std::optional<std::string> fnLogPlayer(std::string_view line) {
  if (line.size() < 111) return std::nullopt;
  return fnTrimRight(line.substr(81, 30));
}

std::optional<int> fnLogGameCode(std::string_view line) {
  const auto code = fnNumberAt(line, 25, 4);
  if (!code) return std::nullopt;
  return static_cast<int>(*code);
}

bool fnLogWon(std::string_view line) { return line.size() >= 115 && line.substr(112, 3) == "Won"; }

std::optional<std::pair<int, int>> fnLogYearAndMonth(std::string_view line) {
  const auto year = fnNumberAt(line, 2, 2);
  const auto month = fnNumberAt(line, 4, 2);
  if (!year || !month) return std::nullopt;
  return std::pair{static_cast<int>(*year), static_cast<int>(*month)};
}

}  // namespace tablerun
