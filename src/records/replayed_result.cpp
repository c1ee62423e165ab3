#include "records/replayed_result.h"

#include <vector>

#include "config/text.h"
#include "records/player_names.h"

namespace tablerun {
namespace {

// Blank-separated words; a word opened by a double quote runs to the next one.
std::optional<std::vector<std::string>> fnWords(std::string_view line) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (true) {
    at = line.find_first_not_of(" \t", at);
    if (at == std::string_view::npos) return words;
    if (line[at] == '"') {
      const std::size_t close = line.find('"', at + 1);
      if (close == std::string_view::npos) return std::nullopt;
      words.emplace_back(line.substr(at + 1, close - at - 1));
      at = close + 1;
    } else {
      const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
      words.emplace_back(line.substr(at, end - at));
      at = end;
    }
  }
}

std::optional<int> fnNumberIn(std::string_view text, std::size_t start, std::size_t width) {
  if (start + width > text.size()) return std::nullopt;
  const std::string_view digits = text.substr(start, width);
  if (digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  return static_cast<int>(*fnParseInteger(digits));
}

std::optional<TDateTime> fnEndOf(std::string_view date, std::string_view time) {
  if (date.size() != 8 || time.size() != 8 || time[2] != ':' || time[5] != ':') return std::nullopt;
  const auto year = fnNumberIn(date, 0, 4), month = fnNumberIn(date, 4, 2), day = fnNumberIn(date, 6, 2);
  const auto hour = fnNumberIn(time, 0, 2), minute = fnNumberIn(time, 3, 2), second = fnNumberIn(time, 6, 2);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > 31 || *hour > 23 || *minute > 59 || *second > 59)
    return std::nullopt;
  return TDateTime{*year, *month, *day, *hour, *minute, *second};
}

}  // namespace

std::optional<TReplayedResult> fnParseReplayedResult(std::string_view line, std::string& error) {
  const auto words = fnWords(line);
  if (!words || words->size() != 8) {
    error = "expected CODE PLAYER won|lost SCORE SECONDS NUMBER YYYYMMDD HH:MM:SS";
    return std::nullopt;
  }
  const std::vector<std::string>& w = *words;
  TReplayedResult result;
  const auto code = fnParseInteger(w[0]);
  const auto score = fnParseInteger(w[3]);
  const auto seconds = fnParseInteger(w[4]);
  const auto end = fnEndOf(w[6], w[7]);
  if (!code || *code < 0 || *code > 9999)
    error = "the game code is not a number from 0 to 9999";
  else if (fnCheckPlayerName(w[1]) != TNameProblem::None)
    error = "the player's name cannot be used: " + w[1];
  else if (w[2] != "won" && w[2] != "lost")
    error = "the result is neither won nor lost";
  else if (!score || *score < -999999 || *score > 999999)
    error = "the score is not a number";
  else if (!seconds || *seconds < 0 || *seconds > 999999)
    error = "the seconds are not a number from 0 to 999999";
  else if (w[5].empty() || w[5].size() > 15)
    error = "the game number is longer than 15 characters";
  else if (!end)
    error = "the date or time does not read as YYYYMMDD HH:MM:SS";
  else
    return TReplayedResult{static_cast<int>(*code),    w[1], w[2] == "won", static_cast<int>(*score),
                           static_cast<int>(*seconds), w[5], *end};
  return std::nullopt;
}

}  // namespace tablerun
