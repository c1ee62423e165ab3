// The game log as the select-a-number dialog lists it: the latest games, and
// the numbers of a game that were lost and never won, to try again.
#pragma once

#include <string>
#include <vector>

namespace tablerun {

struct TLoggedGame {
  std::string gameNumber;  // trimmed
  std::string gameName;    // trailing blanks removed
  std::string player;      // trailing blanks removed
  std::string date;        // "yyyymmdd"
  std::string time;        // "hh:mm:ss"
  bool won = false;
  bool operator==(const TLoggedGame&) const = default;
};

inline constexpr std::size_t kPreviousGamesShown = 100;

// The newest games first, at most kPreviousGamesShown.
std::vector<TLoggedGame> fnPreviousGames(const std::vector<std::string>& logLines);

// Each number of the game lost and never won by anybody, once: with the player
// first in the alphabet and that player's first try; the newest first.
std::vector<TLoggedGame> fnLostGames(const std::vector<std::string>& logLines, const std::string& gameName);

}  // namespace tablerun
