// Timings of the core's hot paths: one right-side unit change with formatting,
// the display format alone and the lenient number read alone.
#include <benchmark/benchmark.h>

#include "catalogue.h"
#include "number_text.h"
#include "result_format.h"
#include "unit_change.h"

namespace {

using namespace quantivex;

void BM_ChangeUnitThreeTokens(benchmark::State& state) {
    const UnitChangeRequest request{
        FractionSide::Numerator, u"m\uFF65kg\uFF65m", u"LML", u"L", tokenList(u"L"), u"cm", u"12.3456", 0, u""};
    for (auto _ : state) benchmark::DoNotOptimize(changeUnit(request));
}
BENCHMARK(BM_ChangeUnitThreeTokens);

void BM_FormatResult(benchmark::State& state) {
    double v = 661.38637;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatResult(v));
        v += 1e-3;
    }
}
BENCHMARK(BM_FormatResult);

void BM_LeadingNumber(benchmark::State& state) {
    const std::u16string text = u"3.155815e+07";
    for (auto _ : state) benchmark::DoNotOptimize(leadingNumber(text));
}
BENCHMARK(BM_LeadingNumber);

}  // namespace

BENCHMARK_MAIN();
