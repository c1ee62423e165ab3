// Recording one more game in the files of a long-used program, and reading
// what the statistics dialogs show for one player.
#include <benchmark/benchmark.h>

#include "long_used_folder.h"
#include "records/game_log_file.h"
#include "records/game_recording.h"
#include "records/hi_score_file.h"
#include "records/overall_scores.h"
#include "records/progression.h"
#include "records/records_of_state.h"
#include "records/statistics_records.h"

namespace tablerun {
namespace {

using bench::PlayerName;
using bench::TLongUsedFolder;

void BM_RecordFinishedGame(benchmark::State& bench) {
  TLongUsedFolder world;
  if (!world.loaded) return bench.SkipWithError("GAMES.DAT is missing beside the benchmarks");
  for (auto _ : bench) {
    const TRecordedGame recorded = fnRecordFinishedGame(
        world.state, {.won = true, .eligible = true, .elapsedSeconds = 90, .end = {2026, 12, 11, 10, 0, 0}});
    benchmark::DoNotOptimize(recorded.hiScoreRank);
  }
}
BENCHMARK(BM_RecordFinishedGame)->Unit(benchmark::kMillisecond);

// The game statistics of every game, the overall score and ranking, the log,
// the progression and the current game's hi-score table.
void BM_ReadForStatisticsDialogs(benchmark::State& bench) {
  TLongUsedFolder world;
  if (!world.loaded) return bench.SkipWithError("GAMES.DAT is missing beside the benchmarks");
  TRecordsFolder folder = fnRecordsFolder(world.state);
  const std::string player = PlayerName(0);
  for (auto _ : bench) {
    std::int64_t won = 0;
    for (const auto& [game, statistics] : fnReadPlayerStatistics(folder, player)) won += statistics.won;
    const auto bests = fnGameBests(folder, player, fnBuiltInGames(world.state));
    const auto ranking = fnRankPlayers(folder, fnBuiltInGames(world.state), world.state.random, {});
    const auto log = fnReadLogLines(folder);
    const auto progression = fnParseProgression(fnReadWholeFile(folder.fs, *folder.ProgressionPath(player)).value());
    const auto table = fnReadHiScoreTable(folder, THiScoreFile::HiScores, "0000", "01", std::nullopt);
    benchmark::DoNotOptimize(won + static_cast<std::int64_t>(log.size() + progression.size() + ranking.size()) +
                             (bests ? bests->total.score : 0) + static_cast<std::int64_t>(table[0].size()));
  }
}
BENCHMARK(BM_ReadForStatisticsDialogs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tablerun
