// Dealing a game number.
#include <benchmark/benchmark.h>

#include "model/deal.h"
#include "tool/console_screen.h"

namespace tablerun {
namespace {

void BM_Deal(benchmark::State& bench) {
  TGameRules rules;
  rules.Set(rule::kCards, static_cast<int16_t>(bench.range(0)));
  TConsoleScreen screen;
  std::mt19937_64 generator(1);
  const std::string number = fnNewGameNumber(generator);
  for (auto _ : bench) benchmark::DoNotOptimize(fnGameNumberCardsArray(number, rules, screen));
}
BENCHMARK(BM_Deal)->Arg(52)->Arg(208);

}  // namespace
}  // namespace tablerun
