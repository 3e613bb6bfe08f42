#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "BenchReport.h"
#include "shell/MDIMain.h"
#include "support/LiveSheets.h"

namespace {

// What the sheet is made of, so the floor can be built from the same widget kinds.
struct WidgetMix {
    int lineEdits = 0, radios = 0, buttons = 0, checks = 0, combos = 0, groups = 0, others = 0;
    int total() const { return lineEdits + radios + buttons + checks + combos + groups + others; }
};

WidgetMix mixOf(const QWidget* sheet) {
    WidgetMix mix;
    for (QWidget* w : sheet->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()))
            ++mix.lineEdits;
        else if (qobject_cast<QRadioButton*>(w))
            ++mix.radios;
        else if (qobject_cast<QPushButton*>(w))
            ++mix.buttons;
        else if (qobject_cast<QCheckBox*>(w))
            ++mix.checks;
        else if (qobject_cast<QComboBox*>(w))
            ++mix.combos;
        else if (qobject_cast<QGroupBox*>(w))
            ++mix.groups;
        else
            ++mix.others;
    }
    return mix;
}

// The flushing a shown window gets before the user sees it: posted layout requests, then a
// synchronous paint of the whole main window.
void paintNow(QWidget& main) {
    QCoreApplication::sendPostedEvents();
    main.repaint();
}

QWidget* floorContent(const WidgetMix& mix) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    int placed = 0;
    const auto add = [&](QWidget* w) { grid->addWidget(w, placed / 6, placed % 6), ++placed; };
    for (int i = 0; i < mix.lineEdits; ++i)
        add(new QLineEdit);
    for (int i = 0; i < mix.radios; ++i)
        add(new QRadioButton(QStringLiteral("Option")));
    for (int i = 0; i < mix.buttons; ++i)
        add(new QPushButton(QStringLiteral("BUTTON")));
    for (int i = 0; i < mix.checks; ++i)
        add(new QCheckBox(QStringLiteral("Check")));
    for (int i = 0; i < mix.combos; ++i)
        add(new QComboBox);
    for (int i = 0; i < mix.groups; ++i)
        add(new QGroupBox(QStringLiteral("Frame")));
    for (int i = 0; i < mix.others; ++i)
        add(new QLabel(QStringLiteral("Label")));
    return page;
}

// One menu command against its floor, alternating run by run (which goes first alternates too),
// so a slow stretch of the shared machine falls on both alike. The sheet: the shell's own steps
// (unload, load, place, size, show, first paint). The floor: the same steps on a bare frame with
// one of the sheet's widget kinds and count (drop the previous child, build, place, size, show,
// paint).
void openSheetAndFloor(benchmark::State& state, const MenuItemRow& row, const QString& name) {
    MDIMain main;
    main.show();
    paintNow(main);
    QAction* action = LiveSheets::action(main, row);
    if (!action) {
        state.SkipWithError("no menu action for the row");
        return;
    }
    action->trigger();
    paintNow(main);
    const WidgetMix mix = mixOf(main.currentSheet());
    const QSize size = main.currentSheetWindow()->size();

    QMainWindow bare;
    auto* area = new QMdiArea(&bare);
    bare.setCentralWidget(area);
    bare.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Exit"));
    bare.resize(size + QSize(80, 80));
    bare.show();
    paintNow(bare);
    QMdiSubWindow* previous = nullptr;

    const auto openSheet = [&] {
        const auto start = BenchReport::Clock::now();
        action->trigger();
        paintNow(main);
        return BenchReport::millisecondsSince(start);
    };
    const auto openFloor = [&] {
        const auto start = BenchReport::Clock::now();
        delete previous;
        auto* window = new QMdiSubWindow(nullptr, Qt::FramelessWindowHint);
        window->setWidget(floorContent(mix));
        area->addSubWindow(window);
        window->move(0, 0);
        window->resize(size);
        window->show();
        paintNow(bare);
        previous = window;
        return BenchReport::millisecondsSince(start);
    };

    std::vector<double> sheetSamples;
    std::vector<double> floorSamples;
    bool sheetFirst = true;
    for (auto _ : state) {
        if (sheetFirst) {
            sheetSamples.push_back(openSheet());
            floorSamples.push_back(openFloor());
        } else {
            floorSamples.push_back(openFloor());
            sheetSamples.push_back(openSheet());
        }
        sheetFirst = !sheetFirst;
    }
    delete previous;
    BenchReport::sheet(name, std::move(sheetSamples), mix.total());
    BenchReport::floor(name, std::move(floorSamples));
}

} // namespace

void registerSheetBenchmarks() {
    constexpr int iterations = 300; // each one sheet opening and one floor opening
    for (const MenuItemRow* row : LiveSheets::rows()) {
        const QString name = LiveSheets::label(*row);
        benchmark::RegisterBenchmark(
            ("OpenSheet/" + name).toStdString().c_str(),
            [row, name](benchmark::State& s) { openSheetAndFloor(s, *row, name); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(iterations);
    }
}
