#include <QApplication>
#include <QFile>
#include <cstdio>

#include "common/ErrorBox.h"
#include "common/Resources.h"
#include "shell/MDIMain.h"
#include "support/LiveSheets.h"

// Benchmark-only: builds Kelvo's main window and runs its menu commands through the shell's own
// actions, printing the resident memory after start-up, after every live sheet once, and after
// 100 and 1,000 sheet switches (a leak shows as growth between the last two).

namespace {

long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initKelvoResources();
    // A message box would stop the switching until clicked: it is printed, and the run fails.
    bool messageShown = false;
    ErrorBox::setSink([&](const QString& text, const QString& title) {
        std::fprintf(stderr, "switch driver: unexpected message box \"%s\": %s\n",
                     qPrintable(title), qPrintable(text));
        messageShown = true;
    });
    MDIMain main;
    main.show();
    settle();
    std::printf("start %ld\n", residentKb());

    const auto rows = LiveSheets::rows();
    std::vector<QAction*> actions;
    for (const MenuItemRow* row : rows)
        actions.push_back(LiveSheets::action(main, *row));
    for (QAction* action : actions) {
        action->trigger();
        settle();
    }
    std::printf("every %ld sheets %zu\n", residentKb(), actions.size());

    for (int i = 1; i <= 1000; ++i) {
        actions[static_cast<size_t>(i) % actions.size()]->trigger();
        settle();
        if (i == 100)
            std::printf("switch100 %ld\n", residentKb());
    }
    std::printf("switch1000 %ld\n", residentKb());
    return messageShown ? 1 : 0;
}
