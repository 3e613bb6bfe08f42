#include "shell/MDIMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "common/GlobalSubs.h"
#include "common/ResultCopy.h"
#include "common/SystemColours.h"
#include "common/Twips.h"
#include "shell/UnloadCurrentForm.h"
#include "shell/frmAbout.h"

namespace {
constexpr int initialClientWidthTwips = 10185;
constexpr int initialClientHeightTwips = 10740;

// The sheets shown on the white frame are designed as black on white; under a dark desktop
// palette they would otherwise get light text on that white.
// The menu items carry no access keys of their own: in their menus typing the start of a
// caption moves to the item (Enter opens it), as native menus do.
class MenuSearchStyle final : public QProxyStyle {
public:
    MenuSearchStyle() : QProxyStyle(QApplication::style()->name()) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Menu_KeyboardSearch)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

bool hasAccessKeys(const QMenu* menu) {
    const QList<QAction*> actions = menu->actions();
    return std::any_of(actions.begin(), actions.end(),
                       [](const QAction* a) { return a->text().contains(u'&'); });
}

QPalette whiteSheetPalette() {
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    return palette;
}
} // namespace

MDIMain::MDIMain(QWidget* splash) {
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(QStringLiteral("Kelvo"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kelvo.svg")));

    m_frame = new QMdiArea(this);
    m_frame->setObjectName(QStringLiteral("frame"));
    m_frame->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_frame->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_frame);
    setFrameBackground(systemColour(SystemColour::ActiveBorder));
    buildMenus();

    const double dpi = screen()->logicalDotsPerInch();
    resize(twipsToPixels(initialClientWidthTwips, dpi),
           twipsToPixels(initialClientHeightTwips, dpi) + menuBar()->sizeHint().height());
    move(screen()->availableGeometry().center() - rect().center());

    // The load step.
    GlobalSubs::CurrentFormKind = FormKind::None;
    GlobalSubs::setMainFrame(this);
    if (splash)
        splash->hide();
}

MDIMain::~MDIMain() {
    GlobalSubs::setMainFrame(nullptr);
}

void MDIMain::buildMenus() {
    std::vector<QMenu*> built;
    for (const MenuRow& m : menus()) {
        QMenu* menu = m.parent < 0 ? menuBar()->addMenu(QString::fromLatin1(m.title))
                                   : built.at(m.parent)->addMenu(QString::fromLatin1(m.title));
        menu->setObjectName(QString::fromLatin1(m.objectName));
        built.push_back(menu);
        if (!m.holdsItems)
            continue;
        for (const MenuItemRow& row : menuItems()) {
            if (row.array != m.items)
                continue;
            QAction* action = menu->addAction(QString::fromLatin1(row.caption));
            action->setObjectName(QStringLiteral("%1_%2")
                                      .arg(QLatin1String(itemArrayName(row.array)))
                                      .arg(row.index));
            action->setEnabled(row.command != Command::OpenSheet || row.factory != nullptr);
            const ItemArray array = row.array;
            const int index = row.index;
            connect(action, &QAction::triggered, this,
                    [this, array, index] { dispatch(array, index); });
        }
    }
    auto* search = new MenuSearchStyle;
    search->setParent(this);
    for (QMenu* menu : built)
        if (!hasAccessKeys(menu))
            menu->setStyle(search);
    // The Electrical title has a click handler of its own, which does nothing.
    if (QMenu* electrical = menuBar()->findChild<QMenu*>(QStringLiteral("mnuElectricalItem_0")))
        connect(electrical, &QMenu::aboutToShow, this, [this] { mnuElectricalItem_Click(0); });
}

void MDIMain::dispatch(ItemArray array, int index) {
    switch (array) {
    case ItemArray::mnuFileItem:
        mnuFileItem_Click(index);
        break;
    case ItemArray::mnuGeometryItem:
        mnuGeometryItem_Click(index);
        break;
    case ItemArray::mnu3dGeometryItem:
        mnu3dGeometryItem_Click(index);
        break;
    case ItemArray::mnuGeneralItem:
        mnuGeneralItem_Click(index);
        break;
    case ItemArray::itmEncRatings:
        itmEncRatings_Click(index);
        break;
    case ItemArray::mnuSinglePhaseItem:
        mnuSinglePhaseItem_Click(index);
        break;
    case ItemArray::mnu3PhaseItem:
        mnu3PhaseItem_Click(index);
        break;
    case ItemArray::mnuNECItem:
        mnuNECItem_Click(index);
        break;
    case ItemArray::mnuHelpItem:
        mnuHelpItem_Click(index);
        break;
    }
}

#define KELVO_MENU_HANDLER(array)                                                                  \
    void MDIMain::array##_Click(int index) {                                                       \
        if (const MenuItemRow* row = findMenuItem(ItemArray::array, index))                        \
            run(*row);                                                                             \
    }
KELVO_MENU_HANDLER(mnuFileItem)
KELVO_MENU_HANDLER(mnuGeometryItem)
KELVO_MENU_HANDLER(mnu3dGeometryItem)
KELVO_MENU_HANDLER(mnuGeneralItem)
KELVO_MENU_HANDLER(itmEncRatings)
KELVO_MENU_HANDLER(mnuSinglePhaseItem)
KELVO_MENU_HANDLER(mnu3PhaseItem)
KELVO_MENU_HANDLER(mnuNECItem)
KELVO_MENU_HANDLER(mnuHelpItem)
#undef KELVO_MENU_HANDLER

void MDIMain::mnuElectricalItem_Click(int) {}

void MDIMain::run(const MenuItemRow& row) {
    switch (row.command) {
    case Command::Exit:
        exitProgram();
        return;
    case Command::About:
        showAbout();
        return;
    case Command::OpenSheet:
        if (!row.factory)
            return;
        GlobalSubs::UnloadCurrentForm();
        applySelector(row);
        openSheet(row);
        return;
    }
}

void MDIMain::applySelector(const MenuItemRow& row) {
    switch (row.selector) {
    case Selector::None:
        break;
    case Selector::FigureSelect:
        GlobalSubs::FigureSelect = row.selectorValue;
        break;
    case Selector::CircleSelect:
        GlobalSubs::CircleSelect = row.selectorValue;
        break;
    case Selector::ThreePhase:
        GlobalSubs::ThreePhase = row.selectorValue;
        break;
    case Selector::CapacitorMode:
        GlobalSubs::CapacitorMode = row.selectorValue;
        break;
    case Selector::WhiteBackground:
        setFrameBackground(Qt::white);
        break;
    }
}

namespace {

// A sheet without a focus proxy starts at the first control Tab would reach, so the keyboard
// is on the sheet (a text sheet's first paragraph) rather than on its window frame.
void focusFirstControl(QWidget* sheet) {
    for (QWidget* w = sheet->nextInFocusChain(); w && w != sheet; w = w->nextInFocusChain()) {
        if (sheet->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(sheet)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    sheet->setFocus();
}

} // namespace

void MDIMain::openSheet(const MenuItemRow& row) {
    QWidget* sheet = row.factory(); // the load step: records its kind, reads its selector
    m_sheetKind = GlobalSubs::CurrentFormKind;

    m_sheet = sheet;
    installResultCopy(sheet);

    // A sheet larger than its area (large fonts, a small screen) scrolls instead of losing
    // controls off its edges; keyboard focus scrolls the focused control into view.
    auto* scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("sheetScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    scroller->setWidget(sheet);

    auto* window = new QMdiSubWindow(nullptr, Qt::FramelessWindowHint);
    window->setObjectName(QStringLiteral("sheetWindow"));
    window->setWidget(scroller);
    if (frameBackground() == QColor(Qt::white))
        window->setPalette(whiteSheetPalette());
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_frame->addSubWindow(window);
    m_sheetWindow = window;

    window->move(0, 0);
    const double dpi = screen()->logicalDotsPerInch();
    const QSize outer = frameGeometry().size();
    const double width = pixelsToTwips(outer.width(), dpi) - row.widthMarginTwips;
    const double height = pixelsToTwips(outer.height(), dpi) - row.heightMarginTwips;
    window->resize(twipsToPixels(width, dpi), twipsToPixels(height, dpi));
    window->show();
    if (sheet->focusProxy())
        sheet->setFocus();
    else
        focusFirstControl(sheet);
    // A sheet's focus proxy says where the focus starts. Kept, it would also catch Tab as the
    // focus comes round the sheet and send it back there, so controls before it in reading
    // order (the options left of the entries) could never be reached.
    sheet->setFocusProxy(nullptr);
}

void MDIMain::unloadSheet(qint16 kind) {
    if (!m_sheetWindow || kind != m_sheetKind)
        return;
    delete m_sheetWindow.data();
}

QWidget* MDIMain::currentSheet() const {
    return m_sheetWindow ? m_sheet.data() : nullptr;
}

QColor MDIMain::frameBackground() const {
    return m_frame->background().color();
}

void MDIMain::setFrameBackground(const QColor& colour) {
    m_frame->setBackground(colour);
}

void MDIMain::showAbout() {
    if (!m_about)
        m_about = new frmAbout(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MDIMain::exitProgram() {
    // Every window goes with the program: the hidden splash, the open sheet, the About box.
    QCoreApplication::quit();
}

void MDIMain::closeEvent(QCloseEvent* event) {
    event->accept();
    exitProgram();
}
