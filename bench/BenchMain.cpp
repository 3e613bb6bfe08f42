#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>

#include "BenchReport.h"
#include "common/ErrorBox.h"
#include "common/Resources.h"

void registerLookupBenchmarks();
void registerSheetBenchmarks();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initKelvoResources();
    // A message box would stop the run until clicked: it is printed, and the run fails.
    bool messageShown = false;
    ErrorBox::setSink([&](const QString& text, const QString& title) {
        std::fprintf(stderr, "bench: unexpected message box \"%s\": %s\n", qPrintable(title),
                     qPrintable(text));
        messageShown = true;
    });
    benchmark::Initialize(&argc, argv);
    registerLookupBenchmarks();
    registerSheetBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const bool met = BenchReport::print();
    return met && !messageShown ? 0 : 1;
}
