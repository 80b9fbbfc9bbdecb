// Interaction latency: the whole 5 kg/sec road, from start-up to 661.386 lb/min,
// replayed headless against a fresh window each time.
#include <benchmark/benchmark.h>

#include <sstream>

#include "replay.h"
#include "road.h"

namespace {

void BM_ConversionRoad(benchmark::State& state) {
    const auto script = quantivex::replay::parseScript(quantivex::bench::kRoad);
    std::ostringstream out;  // made once: the road, not the stream, is measured
    for (auto _ : state) {
        if (quantivex::replay::runScript(script, "road", out) != quantivex::replay::Outcome::Passed) {
            state.SkipWithError("the road did not end at 661.386");
            break;
        }
    }
}
// 10,000 roads: the total is 10,000 times the time shown per iteration.
BENCHMARK(BM_ConversionRoad)->Iterations(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
