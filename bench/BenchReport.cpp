#include "BenchReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace {

constexpr double lookupTargetMs = 1.0;
constexpr double sheetTargetP99Ms = 16.0;
constexpr double floorRatioTarget = 2.0;

struct SheetFigures {
    std::vector<double> sheet;
    std::vector<double> floor;
    int widgets = 0;
};

std::map<QString, std::vector<double>> lookups;
std::map<QString, SheetFigures> sheets;

const char* verdict(bool met) {
    return met ? "ok" : "MISSED";
}

} // namespace

namespace BenchReport {

void lookup(const QString& table, std::vector<double> samples) {
    lookups[table] = std::move(samples);
}

void sheet(const QString& name, std::vector<double> samples, int widgetCount) {
    sheets[name].sheet = std::move(samples);
    sheets[name].widgets = widgetCount;
}

void floor(const QString& name, std::vector<double> samples) {
    sheets[name].floor = std::move(samples);
}

double percentile(std::vector<double> samples, double p) {
    if (samples.empty())
        return NAN;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<size_t>(std::ceil(p * static_cast<double>(samples.size())));
    return samples[std::clamp<size_t>(rank, 1, samples.size()) - 1];
}

bool print() {
    bool met = true;
    std::printf("\nReference look-ups (last row of each table), target p99 < %.1f ms\n",
                lookupTargetMs);
    std::printf("  %-28s %12s %12s\n", "table", "median us", "p99 us");
    for (const auto& [table, samples] : lookups) {
        const double p99 = percentile(samples, 0.99);
        const bool ok = p99 < lookupTargetMs;
        met = met && ok;
        std::printf("  %-28s %12.2f %12.2f  %s\n", qPrintable(table),
                    1000 * percentile(samples, 0.5), 1000 * p99, verdict(ok));
    }

    std::printf("\nOpening each menu command (unload, load, place, size, show, first paint),\n"
                "target p99 < %.0f ms, and a median <= %.0fx the median of the bare QMdiArea\n"
                "child floor, sheet and floor timed alternately\n",
                sheetTargetP99Ms, floorRatioTarget);
    std::printf("  %-44s %7s %9s %9s %9s %7s\n", "menu command", "widgets", "med ms", "p99 ms",
                "floor med", "ratio");
    for (const auto& [name, f] : sheets) {
        const double median = percentile(f.sheet, 0.5);
        const double p99 = percentile(f.sheet, 0.99);
        const double floorMedian = percentile(f.floor, 0.5);
        const double ratio = median / floorMedian;
        const bool ok = p99 < sheetTargetP99Ms && ratio <= floorRatioTarget;
        met = met && ok;
        std::printf("  %-44s %7d %9.3f %9.3f %9.3f %6.2fx  %s\n", qPrintable(name), f.widgets,
                    median, p99, floorMedian, ratio, verdict(ok));
    }
    std::printf("\n%s\n", met ? "All targets met." : "A target was MISSED.");
    return met;
}

} // namespace BenchReport
