#include "records/hi_score_rows.h"

#include "config/text.h"
#include "records/elapsed_time_text.h"
#include "records/fixed_fields.h"

namespace tablerun {
namespace {

// Columns of a stored entry, 0-based.
constexpr std::size_t kScoreAt = 0, kSecondsAt = 7, kDateAt = 14, kPlayerAt = 32, kTagAt = 63, kResultAt = 79;
constexpr std::size_t kNumberWidth = 6, kDateWidth = 8, kPlayerWidth = 30, kShownTagWidth = 13, kResultWidth = 4;

std::string fnColumns(const std::string& entry, std::size_t start, std::size_t width) {
  return start < entry.size() ? entry.substr(start, width) : std::string();
}

// A field that does not read is shown as it stands.
std::string fnNumberText(const std::string& entry, std::size_t start) {
  const auto number = fnNumberAt(entry, start, kNumberWidth);
  return number ? std::to_string(*number) : fnTrim(fnColumns(entry, start, kNumberWidth));
}

}  // namespace

std::string fnRankText(std::size_t rank) { return fnZeroFill(static_cast<std::int64_t>(rank) + 1, 2); }

std::vector<THiScoreRow> fnHiScoreRows(const THiScoreTable& table) {
  std::vector<THiScoreRow> rows(table.size());
  for (std::size_t rank = 0; rank < table.size(); ++rank) {
    const std::string& entry = table[rank];
    if (fnIsUnusedHiScore(entry)) continue;
    const auto seconds = fnNumberAt(entry, kSecondsAt, kNumberWidth);
    rows[rank] = {.rank = fnRankText(rank),
                  .player = fnTrimRight(fnColumns(entry, kPlayerAt, kPlayerWidth)),
                  .score = fnNumberText(entry, kScoreAt),
                  .time = seconds ? fnElapsedTimeText(*seconds, 1) : fnTrim(fnColumns(entry, kSecondsAt, kNumberWidth)),
                  .result = fnColumns(entry, kResultAt, kResultWidth),
                  .date = fnColumns(entry, kDateAt, kDateWidth),
                  .gameNumber = fnTrimRight(fnColumns(entry, kTagAt, kShownTagWidth))};
  }
  return rows;
}

}  // namespace tablerun
