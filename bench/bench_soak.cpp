// Soak throughput: random play with the automatic moves and every check, in
// player's actions per second.
#include <benchmark/benchmark.h>

#include "engine/session/soak.h"
#include "games_beside_program.h"

namespace tablerun {
namespace {

void BM_SoakGame(benchmark::State& bench) {
  TPosixFileSystem fs;
  TCatalogue catalogue;
  if (!fnLoadGamesBesideProgram(fs, catalogue)) {
    bench.SkipWithError("GAMES.DAT is missing beside the benchmarks");
    return;
  }
  std::int64_t moves = 0;
  std::uint64_t seed = 1;
  for (auto _ : bench) {
    const TSoakReport report =
        fnSoakGame(catalogue, static_cast<int>(bench.range(0)), {.deals = 1, .moves = 200, .seed = seed++});
    moves += report.moves;
  }
  bench.SetItemsProcessed(moves);
}
// Klondike, Spider and FreeCell.
BENCHMARK(BM_SoakGame)->ArgName("game")->Arg(0)->Arg(3)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tablerun
