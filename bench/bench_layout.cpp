// Laying out a typical table, and a whole new deal: deck plus layout.
#include <benchmark/benchmark.h>

#include "model/deal.h"
#include "model/layout.h"
#include "tool/console_screen.h"

namespace tablerun {
namespace {

// Klondike's table: stock and waste over the first piles, foundations over the last.
TGameRules fnKlondikeLikeRules() {
  TGameRules rules;
  const std::pair<int, int> slots[] = {{378, 52},  {373, 2},   {374, 4}, {375, 7}, {3, 1},   {10, 1},  {11, 1},
                                       {363, 1},   {362, 4},   {365, 1}, {364, 7}, {367, 2}, {366, 1}};
  for (const auto& [slot, value] : slots) rules.Set(TRuleSlot{slot}, static_cast<int16_t>(value));
  return rules;
}

void BM_Layout(benchmark::State& bench) {
  const TGameRules rules = fnKlondikeLikeRules();
  const TLayoutMetrics metrics = fnMaximisedWindowMetrics(1024, 768, 'B', 9);
  TMainGame game;
  for (auto _ : bench) {
    fnLayoutTable(rules, metrics, game);
    benchmark::DoNotOptimize(game.FilaX(6));
  }
}
BENCHMARK(BM_Layout);

void BM_DealAndLayout(benchmark::State& bench) {
  const TGameRules rules = fnKlondikeLikeRules();
  const TLayoutMetrics metrics = fnMaximisedWindowMetrics(1024, 768, 'B', 9);
  TMainGame game;
  TConsoleScreen screen;
  for (auto _ : bench) {
    benchmark::DoNotOptimize(fnGameNumberCardsArray("1234567890123", rules, screen));
    fnLayoutTable(rules, metrics, game);
  }
}
BENCHMARK(BM_DealAndLayout);

}  // namespace
}  // namespace tablerun
