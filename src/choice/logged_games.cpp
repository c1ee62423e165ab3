#include "choice/logged_games.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>

#include "config/text.h"

namespace tablerun {
namespace {

// Where the fields of a log line stand.
constexpr std::size_t kTimeColumn = 9, kNameColumn = 30, kPlayerColumn = 81, kResultColumn = 112;
constexpr std::size_t kNumberColumn = 127, kNumberWidth = 15, kLineLength = 142;

std::optional<TLoggedGame> fnLoggedGame(std::string_view line) {
  if (line.size() < kLineLength) return std::nullopt;
  return TLoggedGame{.gameNumber = fnTrim(line.substr(kNumberColumn, kNumberWidth)),
                     .gameName = fnTrimRight(line.substr(kNameColumn, 50)),
                     .player = fnTrimRight(line.substr(kPlayerColumn, 30)),
                     .date = std::string(line.substr(0, 8)),
                     .time = std::string(line.substr(kTimeColumn, 8)),
                     .won = line.substr(kResultColumn, 4) == "Won "};
}

}  // namespace

std::vector<TLoggedGame> fnPreviousGames(const std::vector<std::string>& logLines) {
  std::vector<TLoggedGame> games;
  for (auto line = logLines.rbegin(); line != logLines.rend() && games.size() < kPreviousGamesShown; ++line) {
    if (auto game = fnLoggedGame(*line)) games.push_back(std::move(*game));
  }
  return games;
}

std::vector<TLoggedGame> fnLostGames(const std::vector<std::string>& logLines, const std::string& gameName) {
  const std::string wanted = fnTrimRight(gameName);
  std::map<std::string, std::optional<TLoggedGame>> byNumber;  // nothing once the number was won
  const auto comesFirst = [](const TLoggedGame& a, const TLoggedGame& b) {
    const std::string left = fnLowerCase(a.player), right = fnLowerCase(b.player);
    return left != right ? left < right : a.date + a.time < b.date + b.time;
  };
  for (const std::string& line : logLines) {
    auto game = fnLoggedGame(line);
    if (!game || game->gameName != wanted) continue;
    auto [entry, added] = byNumber.try_emplace(game->gameNumber, game);
    if (game->won)
      entry->second.reset();
    else if (!added && entry->second && comesFirst(*game, *entry->second))
      entry->second = std::move(game);
  }
  std::vector<TLoggedGame> lost;
  for (auto& [number, game] : byNumber) {
    if (game) lost.push_back(std::move(*game));
  }
  std::sort(lost.begin(), lost.end(), [](const TLoggedGame& a, const TLoggedGame& b) {
    return a.date + a.time + a.gameNumber > b.date + b.time + b.gameNumber;
  });
  return lost;
}

}  // namespace tablerun
