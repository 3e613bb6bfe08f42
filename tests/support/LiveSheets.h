#pragma once

#include <QAction>
#include <QString>
#include <vector>

#include "shell/MDIMain.h"
#include "shell/MenuTable.h"

// The menu commands that open a built sheet, found by walking the menu table, so every sheet
// that goes live is covered by the walks, the benchmarks, the monkey test and the switch driver
// unchanged.
namespace LiveSheets {

inline std::vector<const MenuItemRow*> rows() {
    std::vector<const MenuItemRow*> live;
    for (const MenuItemRow& row : menuItems()) {
        if (row.command == Command::OpenSheet && row.factory)
            live.push_back(&row);
    }
    return live;
}

// "mnuGeneralItem_9", the object name the main window gives the row's menu action.
inline QString actionName(const MenuItemRow& row) {
    return QStringLiteral("%1_%2").arg(QLatin1String(itemArrayName(row.array))).arg(row.index);
}

// "mnuGeneralItem_9 Ohms Law (DC)", for reports.
inline QString label(const MenuItemRow& row) {
    return actionName(row) + u' ' + QString::fromLatin1(row.caption).remove(u'&').trimmed();
}

// The main window's own action for the row: triggering it runs the shell's opening steps.
inline QAction* action(MDIMain& main, const MenuItemRow& row) {
    return main.findChild<QAction*>(actionName(row));
}

} // namespace LiveSheets

// A live sheet as the walking tests name it: its menu action and caption.
struct LiveSheet {
    QString action; // the menu item's object name
    QString caption;
};

inline std::vector<LiveSheet> liveSheets() {
    std::vector<LiveSheet> out;
    for (const MenuItemRow* row : LiveSheets::rows())
        out.push_back({LiveSheets::actionName(*row), QString::fromLatin1(row->caption)});
    return out;
}

// Opens the sheet of `sheet` through its menu item; the open sheet, or null.
inline QWidget* openLiveSheet(MDIMain& main, const LiveSheet& sheet) {
    if (auto* action = main.findChild<QAction*>(sheet.action))
        action->trigger();
    return main.currentSheet();
}
