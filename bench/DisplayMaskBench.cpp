#include <benchmark/benchmark.h>

#include "common/Conversions.h"
#include "common/DisplayMask.h"

// The work behind one CALCULATE: convert the entries, format a row of results.
static void BM_FormatMask(benchmark::State& state) {
    double v = 1234.56789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatMask(v, Mask::TwoToThreeDecimals));
        v += 0.001;
    }
}
BENCHMARK(BM_FormatMask);

static void BM_ToNumberStrict(benchmark::State& state) {
    const QString text = QStringLiteral("  1234.5678 ");
    for (auto _ : state)
        benchmark::DoNotOptimize(toNumberStrict(text));
}
BENCHMARK(BM_ToNumberStrict);
