#include <benchmark/benchmark.h>

#include "common/Conversions.h"
#include "common/DisplayMask.h"
#include "common/EntryFilter.h"
#include "electrical/OhmsLawDC.h"

// The work behind one CALCULATE: convert the entries, compute, format a row of results.

static void BM_FormatMask(benchmark::State& state) {
    double v = 1234.56789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatMask(v, Mask::TwoToThreeDecimals));
        v += 0.001;
    }
}
BENCHMARK(BM_FormatMask);

static void BM_FormatMaskPercent(benchmark::State& state) {
    double v = 0.856;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatMask(v, Mask::Percent));
        v += 1e-6;
    }
}
BENCHMARK(BM_FormatMaskPercent);

static void BM_ToNumberStrict(benchmark::State& state) {
    const QString text = QStringLiteral("  1234.5678 ");
    for (auto _ : state)
        benchmark::DoNotOptimize(toNumberStrict(text));
}
BENCHMARK(BM_ToNumberStrict);

static void BM_LeadingNumber(benchmark::State& state) {
    const QString text = QStringLiteral("1234.5678.9 ohms");
    for (auto _ : state)
        benchmark::DoNotOptimize(leadingNumber(text));
}
BENCHMARK(BM_LeadingNumber);

static void BM_FilterKey(benchmark::State& state) {
    int code = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FilterKey(code));
        code = (code + 1) & 0x7f;
    }
}
BENCHMARK(BM_FilterKey);

// One representative computation per calculator family; a family that lands adds its row here.
static void BM_OhmsLawDC(benchmark::State& state) {
    int formula = 0;
    double a = 12.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(OhmsLawDC::evaluate(formula, a, 3.5));
        formula = (formula + 1) % OhmsLawDC::FormulaCount;
        a += 0.25;
    }
}
BENCHMARK(BM_OhmsLawDC);
