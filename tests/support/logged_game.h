// A game as the log keeps it, with the fields tests do not care about filled in.
#pragma once

#include <string>

#include "records/game_log.h"

namespace tablerun::testing {

inline TGameLogEntry LoggedGame(const std::string& game, const std::string& player, bool won, const std::string& number,
                                const TDateTime& end) {
  return {.end = end,
          .elapsedSeconds = 60,
          .gameCode = 1,
          .gameName = game,
          .player = player,
          .won = won,
          .scoreKind = "01",
          .score = "10",
          .gameNumber = number};
}

}  // namespace tablerun::testing
