#include "model/custom_games.h"

#include <algorithm>

#include "config/text.h"

namespace tablerun {
namespace {

constexpr std::size_t kBlockLines = 30;

std::string_view fnField(std::string_view line, std::size_t first, std::size_t length) {
  return first < line.size() ? line.substr(first, length) : std::string_view();
}

}  // namespace

TCustomGames::TCustomGames(TFileSystem& fs, std::string dataFolder) : fs_(fs), dataFolder_(std::move(dataFolder)) {}

std::string TCustomGames::Path() const {
  for (const auto& name : fs_.ListFolder(dataFolder_)) {
    if (fnSameTextIgnoringCase(name, kCustomGamesFileName)) return dataFolder_ + name;
  }
  return dataFolder_ + kCustomGamesFileName;
}

std::vector<TCustomGame> TCustomGames::Parse(std::string_view bytes) {
  const auto lines = fnSplitLines(bytes);
  std::vector<TCustomGame> games;
  for (std::size_t first = 1; first < lines.size(); first += kBlockLines) {
    const std::string_view head = lines[first];
    const auto code = fnParseInteger(fnField(head, 0, 4));
    if (!code) continue;
    TCustomGame game;
    game.code = static_cast<int>(*code);
    game.name = fnTrim(fnField(head, 4, 50));
    game.baseCode = static_cast<int>(fnParseInteger(fnField(head, 54, 4)).value_or(-1));
    if (first + 1 < lines.size()) game.ruleText = std::string(fnField(lines[first + 1], 0, 17));
    games.push_back(std::move(game));
  }
  return games;
}

std::vector<TCustomGame> TCustomGames::All() const {
  const auto bytes = fnReadWholeFile(fs_, Path());
  return bytes ? Parse(*bytes) : std::vector<TCustomGame>{};
}

std::optional<TCustomGame> TCustomGames::Find(int code) const {
  for (auto& game : All()) {
    if (game.code == code) return game;
  }
  return std::nullopt;
}

std::string TCustomGames::NameOf(int code) const {
  const auto game = Find(code);
  return game ? game->name : std::string();
}

int TCustomGames::CodeOf(std::string_view name) const {
  const std::string wanted = fnLowerCase(fnTrim(name));
  int code = -1;
  for (const auto& game : All()) {
    if (fnLowerCase(game.name) == wanted) code = game.code;
  }
  return code;
}

std::vector<TCustomGame> TCustomGames::SortedByName() const {
  auto games = All();
  std::stable_sort(games.begin(), games.end(), [](const TCustomGame& a, const TCustomGame& b) {
    return fnLowerCase(a.name) < fnLowerCase(b.name);
  });
  return games;
}

int TCustomGames::NewCode() const {
  const auto games = All();
  int code = kFirstCustomCode;
  // Past 9999 the codes simply go on.
  while (std::any_of(games.begin(), games.end(), [code](const TCustomGame& g) { return g.code == code; })) ++code;
  return code;
}

}  // namespace tablerun
