// A finished game written as one line of text, for recording games without
// playing them: CODE PLAYER won|lost SCORE SECONDS NUMBER YYYYMMDD HH:MM:SS,
// the player in double quotes when it holds spaces.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/state/clock.h"

namespace tablerun {

struct TReplayedResult {
  int gameCode = 0;
  std::string player;
  bool won = false;
  int score = 0;
  int seconds = 0;
  std::string gameNumber;
  TDateTime end;
};

// Nothing, with the reason in `error`, for a line that does not read.
std::optional<TReplayedResult> fnParseReplayedResult(std::string_view line, std::string& error);

}  // namespace tablerun
