// Hit-testing a long tableau pile: the cost grows with the pile's length, not
// with its square, however many cards a table holds.
#include <benchmark/benchmark.h>

#include "engine/pointer/hit_test.h"
#include "engine/state/silent_screen.h"
#include "engine/state/tablerun_state.h"
#include "model/layout.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {

void BM_HitTestLongPile(benchmark::State& bench) {
  TPosixFileSystem fs;
  TSilentScreen screen;
  TTablerunState state(fs, screen);
  const std::pair<TRuleSlot, int> slots[] = {
      {rule::kCards, 52}, {rule::kFoundations, 4}, {rule::kTableauPiles, 7}, {rule::kTableauArrangement, 1}};
  for (const auto& [slot, value] : slots) state.rules.Set(slot, static_cast<int16_t>(value));
  fnLayoutTable(state.rules, fnMaximisedWindowMetrics(1024, 768, 'B', 9), state.mainGame);
  std::string pile;
  for (int n = 0; n < bench.range(0); ++n) pile += "001";
  state.table.SetPile(fnFila(0), pile);
  for (auto _ : bench) {
    const TPileGeometry geometry = fnPileGeometry(state);
    const TRect top = geometry.TopRect(fnFila(0));
    benchmark::DoNotOptimize(fnHitTest(geometry, top.left + 1, top.top - 1, false));
  }
  bench.SetComplexityN(bench.range(0));
}
BENCHMARK(BM_HitTestLongPile)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

}  // namespace
}  // namespace tablerun
