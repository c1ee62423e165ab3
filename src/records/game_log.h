// The game log, Stat_log.dat: one line of 147 characters per finished game,
// and the fields readers take from it by column.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/state/clock.h"

namespace tablerun {

struct TGameLogEntry {
  TDateTime end;  // local time
  int elapsedSeconds = 0;
  int gameCode = 0;
  std::string gameName;
  std::string player;
  bool won = false;
  std::string scoreKind;
  std::string score;  // as the configuration holds it
  std::string gameNumber;
};

constexpr std::size_t kGameLogLineLength = 147;

std::string fnGameLogLine(const TGameLogEntry& entry);
// The end of a game as the log and the hi-score tables write it: "yyyymmdd", "hh:mm:ss".
std::string fnLogDate(const TDateTime& end);
std::string fnLogTime(const TDateTime& end);

// The fields readers take from a line; nothing from a line too short for them.
std::optional<std::string> fnLogPlayer(std::string_view line);
std::optional<int> fnLogGameCode(std::string_view line);
bool fnLogWon(std::string_view line);
// Year (two digits) and month of the game's end.
std::optional<std::pair<int, int>> fnLogYearAndMonth(std::string_view line);

}  // namespace tablerun
