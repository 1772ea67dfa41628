// Whole single-game matches of the computer against the scripted player, without a window.

#include "MatchSimulator.h"

#include <benchmark/benchmark.h>

namespace {
void WholeMatches(benchmark::State& state) {
    MatchSimulator simulator(1, nullptr);
    for (auto _ : state) {
        if (!simulator.PlayMatch())
            state.SkipWithError("a match stopped with nobody to move");
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["sets/match"] =
        benchmark::Counter(double(simulator.totals().sets) / double(simulator.totals().matches));
}
BENCHMARK(WholeMatches)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
