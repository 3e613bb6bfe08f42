#pragma once

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>

#include "shell/MenuTable.h"
#include "shell/frmAbout.h"

class QMdiArea;

// The main window: a multiple-document frame whose menu commands open one sheet at a time at
// the top-left of its client area, sized from the frame's outer size less the command's margins.
class MDIMain : public QMainWindow {
    Q_OBJECT
public:
    // `splash` is hidden by the load step; it stays loaded until the program ends.
    explicit MDIMain(QWidget* splash = nullptr);
    ~MDIMain() override;

    void mnuFileItem_Click(int index);
    void mnuGeometryItem_Click(int index);
    void mnu3dGeometryItem_Click(int index);
    void mnuElectricalItem_Click(int index);
    void mnuGeneralItem_Click(int index);
    void itmEncRatings_Click(int index);
    void mnuSinglePhaseItem_Click(int index);
    void mnu3PhaseItem_Click(int index);
    void mnuNECItem_Click(int index);
    void mnuHelpItem_Click(int index);

    // The open sheet, or null.
    QWidget* currentSheet() const;
    QMdiSubWindow* currentSheetWindow() const { return m_sheetWindow; }
    frmAbout* aboutBox() const { return m_about; }

    QColor frameBackground() const;
    void setFrameBackground(const QColor& colour);
    // Unloads the open sheet if it is of `kind`.
    void unloadSheet(qint16 kind);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void dispatch(ItemArray array, int index);
    void run(const MenuItemRow& row);
    void applySelector(const MenuItemRow& row);
    void openSheet(const MenuItemRow& row);
    void showAbout();
    void exitProgram();

    QMdiArea* m_frame = nullptr;
    QPointer<QMdiSubWindow> m_sheetWindow;
    QPointer<QWidget> m_sheet;
    qint16 m_sheetKind = 0;
    QPointer<frmAbout> m_about;
};
