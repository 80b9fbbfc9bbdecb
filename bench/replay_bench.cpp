// Interaction latency: the whole 5 kg/sec road, from start-up to 661.386 lb/min,
// replayed headless against a fresh window each time.
#include <benchmark/benchmark.h>

#include <sstream>

#include "history_tape.h"
#include "line_entry.h"
#include "recording_platform.h"
#include "replay.h"
#include "road.h"
#include "session.h"

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

// 計算の履歴 kept full: a window with 1,000 entries.
struct FullHistory {
    quantivex::RecordingPlatform platform;
    quantivex::Form1 form{platform};
    quantivex::Session session{form};
    quantivex::HistoryTape tape{session};
    int value = 0;
    FullHistory() {
        session.run("Form_Load");
        quantivex::enterLine(session, u"1 kg lb");
        while (tape.size() < quantivex::kHistoryEntries) commit();
    }
    // A committed left value: a step that adds an entry, and pushes out the oldest.
    void commit() {
        const std::string digits = std::to_string(2 + value++ % 1000);
        session.doubleClick(*quantivex::equationPartRow(quantivex::Side::Left, quantivex::Place::Value));
        session.type(form.Text2, std::u16string(digits.begin(), digits.end()));
        session.enter(form.Text2);
    }
};

void BM_HistoryAdd(benchmark::State& state) {
    FullHistory h;
    for (auto _ : state) h.commit();
}
BENCHMARK(BM_HistoryAdd)->Unit(benchmark::kMicrosecond);

// The same committed value with nobody keeping a history: what the add costs is the difference.
void BM_CommitWithoutHistory(benchmark::State& state) {
    quantivex::RecordingPlatform platform;
    quantivex::Form1 form{platform};
    quantivex::Session session{form};
    session.run("Form_Load");
    quantivex::enterLine(session, u"1 kg lb");
    int value = 0;
    for (auto _ : state) {
        const std::string digits = std::to_string(2 + value++ % 1000);
        session.doubleClick(*quantivex::equationPartRow(quantivex::Side::Left, quantivex::Place::Value));
        session.type(form.Text2, std::u16string(digits.begin(), digits.end()));
        session.enter(form.Text2);
    }
}
BENCHMARK(BM_CommitWithoutHistory)->Unit(benchmark::kMicrosecond);

void BM_HistoryRestore(benchmark::State& state) {
    FullHistory h;
    std::size_t entry = 0;
    for (auto _ : state) {
        quantivex::restoreEntry(h.session, h.tape, entry);
        entry = (entry + 499) % quantivex::kHistoryEntries;
    }
}
BENCHMARK(BM_HistoryRestore)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
