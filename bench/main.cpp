// The one main() of vek_bench; the benchmark files only register their benchmarks.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
