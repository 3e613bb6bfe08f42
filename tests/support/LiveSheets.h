#pragma once

#include <QAction>
#include <QString>
#include <vector>

#include "shell/MDIMain.h"
#include "shell/MenuTable.h"

// Every menu command that opens a built sheet, so a test that walks them covers each sheet as
// it goes live without naming it.
struct LiveSheet {
    QString action; // the menu item's object name
    QString caption;
};

inline std::vector<LiveSheet> liveSheets() {
    std::vector<LiveSheet> out;
    for (const MenuItemRow& row : menuItems()) {
        if (row.command != Command::OpenSheet || !row.factory)
            continue;
        out.push_back(
            {QStringLiteral("%1_%2").arg(QLatin1String(itemArrayName(row.array))).arg(row.index),
             QString::fromLatin1(row.caption)});
    }
    return out;
}

// Opens the sheet of `sheet` through its menu item; the open sheet, or null.
inline QWidget* openLiveSheet(MDIMain& main, const LiveSheet& sheet) {
    if (auto* action = main.findChild<QAction*>(sheet.action))
        action->trigger();
    return main.currentSheet();
}
