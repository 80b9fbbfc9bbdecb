// Interaction latency: the whole 5 kg/sec road, from start-up to 661.386 lb/min,
// replayed headless against a fresh window each time.
#include <benchmark/benchmark.h>

#include <sstream>

#include "replay.h"

namespace {

constexpr const char* kRoad = R"(Form_Load
Command8_Click
Label3_Click
Command1_MouseDown 1
choose MASS2
Label4_Click
Command5_MouseDown 1
choose TIM5
Label2_DblClick
type Text2 5
Timer2_Timer
Label2_Click
Command9_Click
Label5_MouseDown 1
Command10_MouseDown 1
choose MASS3
Label6_MouseDown 1
Command14_MouseDown 1
choose TIM4
expect Label1.Caption = 661.386
)";

void BM_ConversionRoad(benchmark::State& state) {
    const auto script = quantivex::replay::parseScript(kRoad);
    for (auto _ : state) {
        std::ostringstream out;
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
