#pragma once

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>

#include "shell/MenuTable.h"
#include "shell/frmAbout.h"

class QMdiArea;

// The main window: a multiple-document frame whose menu commands open one sheet at a time at
// the top-left of its client area, sized from the frame's outer size less the command's margins,
// and sized again whenever the frame is.
class MDIMain : public QMainWindow {
    Q_OBJECT
public:
    // `splash` is hidden by the load step; it stays loaded until the program ends.
    explicit MDIMain(QWidget* splash = nullptr);
    ~MDIMain() override;

    // One click handler per menu-item array (mnuGeneralItem_Click, ...); each runs the row of
    // its array with the index it receives.
    // clang-format off
#define KELVO_MENU_HANDLER(array) void array##_Click(int index);
    KELVO_ITEM_ARRAYS(KELVO_MENU_HANDLER)
#undef KELVO_MENU_HANDLER
    // clang-format on
    // The Electrical menu title's own handler, which does nothing.
    void mnuElectricalItem_Click(int index);

    // The open sheet, or null.
    QWidget* currentSheet() const;
    QMdiSubWindow* currentSheetWindow() const {
        return m_sheetWindow;
    }
    frmAbout* aboutBox() const {
        return m_about;
    }

    QColor frameBackground() const;
    void setFrameBackground(const QColor& colour);
    // Unloads the open sheet if `kind` is the kind it recorded when it loaded.
    void unloadSheet(qint16 kind);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void dispatch(ItemArray array, int index);
    void run(const MenuItemRow& row);
    void applySelector(const MenuItemRow& row);
    void openSheet(const MenuItemRow& row);
    void placeSheet();
    void showAbout();
    void exitProgram();

    QMdiArea* m_frame = nullptr;
    QPointer<QMdiSubWindow> m_sheetWindow;
    QPointer<QWidget> m_sheet;
    qint16 m_sheetKind = 0;
    const MenuItemRow* m_sheetRow = nullptr; // the command that opened it: its margins
    QPointer<frmAbout> m_about;
};
