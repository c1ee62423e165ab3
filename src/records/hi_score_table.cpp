#include "records/hi_score_table.h"

#include <algorithm>

#include "records/fixed_fields.h"

namespace tablerun {
namespace {

constexpr std::size_t kEntryTextLength = 83;
// An unused rank ranks below every result.
constexpr std::int64_t kUnusedScore = -999999;
constexpr std::int64_t kUnusedSeconds = 999999;

// The score stands in columns 1-6, the time in 8-13.
std::int64_t fnRankScore(std::string_view text) {
  return fnIsUnusedHiScore(text) ? kUnusedScore : fnNumberAt(text, 0, 6).value_or(kUnusedScore);
}
std::int64_t fnRankSeconds(std::string_view text) {
  return fnIsUnusedHiScore(text) ? kUnusedSeconds : fnNumberAt(text, 7, 6).value_or(kUnusedSeconds);
}

}  // namespace

std::string fnHiScoreEntryText(const THiScoreEntry& entry) {
  std::string text = fnFixedNumber(entry.score, 6) + " " + fnFixedNumber(entry.seconds, 6) + " ";
  text += fnPaddedText(entry.date, 8) + " " + fnPaddedText(entry.timeOfDay, 8) + " ";
  text += fnPaddedText(entry.player, 30) + " " + fnPaddedText(entry.tag, 15) + " ";
  text += entry.won ? "Won " : "Lost";
  return fnPaddedText(text, static_cast<int>(kEntryTextLength)) + " x";
}

std::string fnUnusedHiScoreEntry() { return std::string(kHiScoreEntryLength - 1, ' ') + "x"; }

bool fnIsUnusedHiScore(std::string_view text) {
  return text.substr(0, 6).find_first_not_of(' ') == std::string_view::npos;
}

int fnEnterHiScore(THiScoreTable& table, const THiScoreEntry& entry) {
  for (int rank = 0; rank < kHiScoreRanks; ++rank) {
    const std::string& held = table[static_cast<std::size_t>(rank)];
    const std::int64_t score = fnRankScore(held);
    if (score < entry.score || (score == entry.score && entry.seconds < fnRankSeconds(held))) {
      std::shift_right(table.begin() + rank, table.end(), 1);
      table[static_cast<std::size_t>(rank)] = fnHiScoreEntryText(entry);
      return rank;
    }
  }
  return -1;
}

std::array<std::int64_t, kHiScoreRanks> fnDefaultHiScores(int cards, int maxScore) {
  int base = 52;
  if (maxScore != -1) {
    cards = 52;
    if (maxScore < 92) base = maxScore / 2;
  }
  int step = cards == 52 ? -3 : -6;
  if (base < 30) step = -2;
  std::array<std::int64_t, kHiScoreRanks> scores{};
  scores[0] = cards * base / 52;
  // Ranks 14 to 20 step one less.
  for (std::size_t k = 1; k < scores.size(); ++k) scores[k] = scores[k - 1] + step + (k >= 13 ? 1 : 0);
  for (std::int64_t& score : scores) score = std::max<std::int64_t>(score, 1);
  return scores;
}

}  // namespace tablerun
