// Interaction latency: the whole 5 kg/sec road, from start-up to 661.386 lb/min,
// replayed headless against a fresh window each time.
#include <benchmark/benchmark.h>

#include <sstream>

#include "replay.h"
#include "road.h"

namespace {

void runRoad(benchmark::State& state, const char* text) {
    const auto script = quantivex::replay::parseScript(text);
    std::ostringstream out;  // made once: the road, not the stream, is measured
    for (auto _ : state) {
        if (quantivex::replay::runScript(script, "road", out) != quantivex::replay::Outcome::Passed) {
            state.SkipWithError("the road did not end at 661.386");
            break;
        }
    }
}

void BM_ConversionRoad(benchmark::State& state) {
    runRoad(state, quantivex::bench::kRoad);
}
// The same road as one line typed into 式の入力: the same events, and the reading.
void BM_TypedLine(benchmark::State& state) {
    runRoad(state, quantivex::bench::kTypedRoad);
}
// 10,000 roads: the total is 10,000 times the time shown per iteration.
BENCHMARK(BM_ConversionRoad)->Iterations(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypedLine)->Iterations(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
