// A hi-score table: twenty ranked entries of 85 characters, a higher score
// first and, for equal scores, a shorter time.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tablerun {

constexpr int kHiScoreRanks = 20;
constexpr std::size_t kHiScoreEntryLength = 85;

struct THiScoreEntry {
  std::int64_t score = 0;
  std::int64_t seconds = 0;
  std::string date;       // "yyyymmdd"
  std::string timeOfDay;  // "hh:mm:ss"
  std::string player;
  // The game number in the hi-score file; "Y" or "N" in the series file.
  std::string tag;
  bool won = true;
};

// The entries as stored, rank 1 first; an unused rank is blank.
using THiScoreTable = std::array<std::string, kHiScoreRanks>;

std::string fnHiScoreEntryText(const THiScoreEntry& entry);
// 84 spaces and the closing "x".
std::string fnUnusedHiScoreEntry();
bool fnIsUnusedHiScore(std::string_view text);

// Puts `entry` above every entry it beats and below all others; the rank it
// took (0 the first), or -1 when it beats none.
int fnEnterHiScore(THiScoreTable& table, const THiScoreEntry& entry);

// The scores a never-used table is filled with, for a game of `cards` cards
// whose largest score is `maxScore` (-1 for the number of cards).
std::array<std::int64_t, kHiScoreRanks> fnDefaultHiScores(int cards, int maxScore);

}  // namespace tablerun
