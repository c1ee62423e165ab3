#include "records/single_game_rows.h"

#include <algorithm>

#include "config/text.h"

namespace tablerun {
namespace {

std::string fnCountText(std::int64_t count) { return count == 0 ? std::string() : std::to_string(count); }

}  // namespace

std::optional<std::vector<TSingleGameRow>> fnSingleGameRows(TRecordsFolder& folder,
                                                            const std::vector<TBuiltInGame>& games,
                                                            std::string_view player) {
  std::vector<TSingleGameRow> rows;
  for (const TBuiltInGame& game : games) {
    const auto counts = fnReadInternetCounts(folder, game.code, player);
    if (!counts) return std::nullopt;
    rows.push_back({.gameCode = game.code,
                    .game = game.name,
                    .counts = *counts,
                    .percentWon = fnPercentWonText(*counts),
                    .total = fnCountText(counts->won + counts->lost),
                    .won = fnCountText(counts->won),
                    .lost = fnCountText(counts->lost)});
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const TSingleGameRow& a, const TSingleGameRow& b) { return a.game < b.game; });
  return rows;
}

bool fnIsPublishableGame(const TInternetCounts& counts) { return counts.won + counts.lost >= kPublishableGames; }

bool fnMayPublishGame(const TInternetCounts& counts) { return fnIsPublishableGame(counts) && counts.won > 0; }

std::string fnPercentWonText(const TInternetCounts& counts) {
  const std::int64_t total = counts.won + counts.lost;
  if (total == 0) return {};
  // Hundredths of a per cent in whole numbers, so that no binary fraction rounds the wrong way.
  const std::int64_t hundredths = (counts.won * 20000 / total + 1) / 2;
  return std::to_string(hundredths / 100) + "." + fnZeroFill(hundredths % 100, 2);
}

}  // namespace tablerun
