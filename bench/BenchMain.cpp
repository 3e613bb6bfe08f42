#include <benchmark/benchmark.h>

#include <QApplication>

#include "BenchReport.h"
#include "common/Resources.h"

void registerLookupBenchmarks();
void registerSheetBenchmarks();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initKelvoResources();
    benchmark::Initialize(&argc, argv);
    registerLookupBenchmarks();
    registerSheetBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return BenchReport::print() ? 0 : 1;
}
