#include "records/progression.h"

#include "records/game_log.h"

namespace tablerun {
namespace {

constexpr int kFirstByte = 33;
constexpr int kWonMonths = 100;
constexpr int kLostMonths = 50;
constexpr std::size_t kGroupSize = 4;

char fnByte(int value) { return static_cast<char>(static_cast<unsigned char>(value)); }

}  // namespace

std::string fnProgressionGroup(const TProgressionGame& game) {
  std::string group;
  group += fnByte(kFirstByte + game.gameCode / 100 % 100);
  group += fnByte(kFirstByte + game.gameCode % 100);
  group += fnByte(kFirstByte + game.year % 100);
  group += fnByte(game.month + (game.won ? kWonMonths : kLostMonths));
  return group;
}

std::vector<TProgressionGame> fnParseProgression(std::string_view bytes) {
  std::vector<TProgressionGame> games;
  for (std::size_t at = 0; at + kGroupSize <= bytes.size(); at += kGroupSize) {
    int value[kGroupSize];
    for (std::size_t k = 0; k < kGroupSize; ++k) value[k] = static_cast<unsigned char>(bytes[at + k]);
    const int high = value[0] - kFirstByte;
    const int low = value[1] - kFirstByte;
    const int year = value[2] - kFirstByte;
    const bool won = value[3] > kWonMonths;
    const int month = value[3] - (won ? kWonMonths : kLostMonths);
    if (high < 0 || high > 99 || low < 0 || low > 99 || year < 0 || year > 99 || month < 1 || month > 12) break;
    games.push_back({high * 100 + low, year, month, won});
  }
  return games;
}

std::string fnProgressionFromLog(const std::vector<std::string>& logLines, std::string_view player) {
  std::string bytes;
  for (const std::string& line : logLines) {
    const auto name = fnLogPlayer(line);
    const auto code = fnLogGameCode(line);
    const auto when = fnLogYearAndMonth(line);
    if (!name || *name != player || !code || !when) continue;
    bytes += fnProgressionGroup({*code, when->first, when->second, fnLogWon(line)});
  }
  return bytes;
}

}  // namespace tablerun
