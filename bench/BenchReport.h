#pragma once

#include <QString>
#include <chrono>
#include <vector>

// Per-call samples of the timed benchmarks, kept so the run ends with one table of medians,
// 99th percentiles and ratios against the targets. A sheet's floor samples are taken alternately
// with its own, and the two are compared by their medians.
namespace BenchReport {

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Each call replaces the samples of the same name (the library runs a function more than once
// while it settles the iteration count; the last, longest run counts).
void lookup(const QString& table, std::vector<double> samples);
void sheet(const QString& sheet, std::vector<double> samples, int widgetCount);
void floor(const QString& sheet, std::vector<double> samples);

double percentile(std::vector<double> samples, double p);

// Prints the table; returns false when a target is missed.
bool print();

} // namespace BenchReport
