#include "records/overall_rows.h"

#include "records/elapsed_time_text.h"
#include "records/hi_score_rows.h"

namespace tablerun {
namespace {

std::string fnUnlessZero(std::int64_t value, const std::string& text) { return value == 0 ? std::string() : text; }

}  // namespace

std::vector<TChampionRow> fnChampionRows(const std::vector<TRankedPlayer>& ranking) {
  std::vector<TChampionRow> rows;
  for (std::size_t rank = 0; rank < ranking.size(); ++rank) {
    const TRankedPlayer& ranked = ranking[rank];
    rows.push_back({fnRankText(rank), ranked.player, std::to_string(ranked.overall.score),
                    fnElapsedTimeText(ranked.overall.seconds, 2)});
  }
  return rows;
}

std::int64_t fnGameMaximum(const TBuiltInGame& game) { return game.maxScore == -1 ? 4 * game.cards : game.maxScore; }

std::vector<TDetailsRow> fnDetailsRows(const TGameBests& bests, bool belowMaxOnly) {
  std::vector<TDetailsRow> rows;
  for (const TGameBest& best : bests.games) {
    const bool reached = best.score >= fnGameMaximum(best.game);
    if (belowMaxOnly && reached) continue;
    rows.push_back({.gameCode = best.game.code,
                    .game = best.game.name,
                    .score = fnUnlessZero(best.score, std::to_string(best.score)),
                    .max = reached ? "Yes" : "",
                    .time = fnUnlessZero(best.seconds, fnElapsedTimeText(best.seconds, 1))});
  }
  return rows;
}

TDetailsTotals fnDetailsTotals(const TGameBests& bests) {
  return {std::to_string(bests.total.score), fnElapsedTimeText(bests.total.seconds, 2)};
}

}  // namespace tablerun
