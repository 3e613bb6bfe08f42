#include <benchmark/benchmark.h>

#include <QApplication>

#include "common/Resources.h"
#include "electrical/frmOhmsLaw.h"
#include "shell/MDIMain.h"

// Building the main window (start-up) and a sheet (every menu command) must feel instant.
static void BM_MainWindow(benchmark::State& state) {
    for (auto _ : state) {
        MDIMain main;
        benchmark::DoNotOptimize(&main);
    }
}
BENCHMARK(BM_MainWindow)->Unit(benchmark::kMillisecond);

static void BM_OhmsLawSheet(benchmark::State& state) {
    for (auto _ : state) {
        frmOhmsLaw sheet;
        benchmark::DoNotOptimize(&sheet);
    }
}
BENCHMARK(BM_OhmsLawSheet)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initKelvoResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
