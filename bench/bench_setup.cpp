// A whole new game: the rules loaded, the card size fitted, the table laid out
// and dealt.
#include <benchmark/benchmark.h>

#include "config/text.h"
#include "engine/deal/game_start.h"
#include "games_beside_program.h"
#include "tool/console_screen.h"

namespace tablerun {
namespace {

void BM_NewGame(benchmark::State& bench) {
  TPosixFileSystem fs;
  TConsoleScreen screen;
  TTablerunState state(fs, screen);
  state.customGames.SetDataFolder("/nonexistent/");
  if (!fnLoadGamesBesideProgram(fs, state.mainGame.Catalogue())) {
    bench.SkipWithError("GAMES.DAT is missing beside the benchmarks");
    return;
  }
  state.config.Write(cfg::kGame, fnZeroFill(bench.range(0), 4));
  state.config.Write(cfg::kCardSize, "B");
  const TLayoutMetrics metrics = fnMaximisedWindowMetrics(1024, 768, 'B', 9);
  const bool changeOfGame = bench.range(1) != 0;
  for (auto _ : bench) {
    // A change of game runs the whole set-up; a new deal of the same game only restores the rules.
    if (changeOfGame) state.rules.Clear();
    benchmark::DoNotOptimize(fnStartGame(state, TGameStart{}, metrics).started);
  }
}
// Klondike and Spider, chosen anew and dealt again.
BENCHMARK(BM_NewGame)->ArgNames({"game", "chosen"})->Args({0, 1})->Args({3, 1})->Args({0, 0})->Args({3, 0});

}  // namespace
}  // namespace tablerun
