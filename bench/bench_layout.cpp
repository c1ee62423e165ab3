// Laying out a typical table, and a whole new deal: deck plus layout.
#include <benchmark/benchmark.h>

#include "model/deal.h"
#include "model/layout.h"
#include "model/rule_slots.h"
#include "tool/console_screen.h"

namespace tablerun {
namespace {

// Klondike's table: stock and waste over the first piles, foundations over the last.
TGameRules fnKlondikeLikeRules() {
  TGameRules rules;
  const std::pair<TRuleSlot, int> slots[] = {{rule::kCards, 52},
                                             {rule::kStockPiles, 2},
                                             {rule::kFoundations, 4},
                                             {rule::kTableauPiles, 7},
                                             {rule::kTableauArrangement, 1},
                                             {rule::kStockShown, 1},
                                             {rule::kStockTurnsToWaste, 1},
                                             {rule::kStockLayoutKind, 1},
                                             {rule::kStockLayoutVariant, 4},
                                             {rule::kFoundationLayoutKind, 1},
                                             {rule::kFoundationLayoutVariant, 7},
                                             {rule::kTableauLayoutKind, 2},
                                             {rule::kTableauLayoutVariant, 1}};
  for (const auto& [slot, value] : slots) rules.Set(slot, static_cast<int16_t>(value));
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
