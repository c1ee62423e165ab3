// The core's benchmarks: every bench/*.cpp adds its own.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
