// The fast search's filter as the player types, over 400 games: one filtering
// per typed character. Target: under 1 ms a character.
#include <benchmark/benchmark.h>

#include <string>

#include "choice/fast_search.h"

namespace tablerun {
namespace {

// 400 names of the usual shape ("Royal Spider Towers") from a few words.
std::vector<TFastSearchNode> fnFourHundredGames() {
  const char* const first[] = {"Royal",   "Little", "Grand",  "Double", "Easy",   "Lucky",  "Old",
                               "Queen's", "Triple", "Golden", "Silent", "Busy",   "Free",   "Eight",
                               "Forty",   "King's", "Black",  "Red",    "Simple", "Spanish"};
  const char* const second[] = {"Spider", "Cell", "Patience", "Towers",  "Garden", "Castle",  "Thieves",
                                "Parade", "Harp", "Fan",      "Dozen",   "Square", "Circle",  "Corners",
                                "Flower", "Hole", "Clock",    "Pyramid", "Monte",  "Canfield"};
  std::vector<TFastSearchNode> games;
  for (const char* a : first) {
    for (const char* b : second) {
      games.push_back({.code = static_cast<int>(games.size()), .name = std::string(a) + " " + b, .type = 5});
    }
  }
  return games;
}

// The list after the first N characters of "spider" were typed: one filtering a character.
void BM_FastSearchTyped(benchmark::State& bench) {
  const std::vector<TFastSearchNode> games = fnFourHundredGames();
  const std::string typed = std::string("spider").substr(0, static_cast<std::size_t>(bench.range(0)));
  for (auto _ : bench) benchmark::DoNotOptimize(fnFilterFastSearch(games, typed));
}
BENCHMARK(BM_FastSearchTyped)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tablerun
