#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <map>

#include "common/GlobalSubs.h"
#include "common/SystemColours.h"
#include "electrical/frmOhmsLaw.h"
#include "shell/MDIMain.h"
#include "shell/UnloadCurrentForm.h"
#include "shell/frmAbout.h"
#include "support/ErrorRecorder.h"
#include "support/LiveSheets.h"

namespace {

class MDIMainTest : public ::testing::Test {
protected:
    void SetUp() override {
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    QAction* action(const char* name) {
        auto* a = main.findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    int pixels(double twips) {
        return qRound(twips * main.screen()->logicalDotsPerInch() / 1440.0);
    }
    double twips(int px) { return px * 1440.0 / main.screen()->logicalDotsPerInch(); }

    ErrorRecorder errors;
    MDIMain main;
};

TEST_F(MDIMainTest, TitleAndLoadStep) {
    EXPECT_EQ(main.windowTitle(), "Kelvo");
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::None);
    EXPECT_EQ(main.currentSheet(), nullptr);
    EXPECT_EQ(main.frameBackground(), systemColour(SystemColour::ActiveBorder));
}

// The designed client area, unless the screen has less room: the test screen of the offscreen
// platform (800 x 600) is lower than the designed window.
TEST_F(MDIMainTest, InitialClientAreaIsTheDesignedSizeWithinTheScreen) {
    const QRect room = main.screen()->availableGeometry();
    const QSize designed(pixels(10185), pixels(10740));
    EXPECT_TRUE(room.contains(main.frameGeometry())) << "the window opens within the screen";
    const QSize client = main.centralWidget()->size();
    if (main.frameGeometry().width() < room.width()) {
        EXPECT_EQ(client.width(), designed.width());
    }
    if (main.frameGeometry().height() < room.height()) {
        EXPECT_EQ(client.height(), designed.height());
    }
    EXPECT_LE(client.width(), designed.width());
    EXPECT_LE(client.height(), designed.height());
}

// The menu bar as the table has it: each menu under its parent, its items in table order,
// each named after its array and index.
TEST_F(MDIMainTest, MenuBarIsBuiltFromTheTable) {
    QStringList bar;
    for (const MenuRow& m : menus())
        if (m.parent < 0)
            bar << QString::fromLatin1(m.title);
    QStringList shown;
    for (const QAction* a : main.menuBar()->actions())
        shown << a->text();
    EXPECT_EQ(shown, bar);
    for (const MenuRow& m : menus()) {
        auto* menu = main.findChild<QMenu*>(QString::fromLatin1(m.objectName));
        ASSERT_NE(menu, nullptr) << m.objectName;
        EXPECT_EQ(menu->title(), QString::fromLatin1(m.title));
        if (m.parent >= 0) {
            const auto* parent =
                main.findChild<QMenu*>(QString::fromLatin1(menus()[m.parent].objectName));
            ASSERT_NE(parent, nullptr) << m.objectName;
            EXPECT_TRUE(parent->actions().contains(menu->menuAction())) << m.objectName;
        }
        if (!m.holdsItems)
            continue;
        QStringList expected;
        for (const MenuItemRow& row : menuItems())
            if (row.array == m.items)
                expected << LiveSheets::actionName(row) + u' ' + QString::fromLatin1(row.caption);
        QStringList items;
        for (const QAction* a : menu->actions())
            items << a->objectName() + u' ' + a->text();
        EXPECT_EQ(items, expected) << m.objectName;
    }
}

// Every sheet command, from the table: the selector is set before the sheet loads, the sheet
// records a kind of its own (one per form), and it opens at the top-left, sized by its
// command's margins.
TEST_F(MDIMainTest, EachCommandOpensItsSheetTopLeftSizedByItsMargins) {
    std::map<QString, qint16> kindOfForm;
    std::map<qint16, QString> formOfKind;
    for (const MenuItemRow* row : LiveSheets::rows()) {
        const std::string name = LiveSheets::label(*row).toStdString();
        LiveSheets::action(main, *row)->trigger();
        QWidget* sheet = main.currentSheet();
        ASSERT_NE(sheet, nullptr) << name;
        EXPECT_EQ(main.findChildren<QMdiSubWindow*>().size(), 1) << name;

        const qint16 kind = GlobalSubs::CurrentFormKind;
        const QString form = sheet->objectName(); // the design's form name, one per kind
        EXPECT_NE(kind, FormKind::None) << name << " records no kind";
        EXPECT_FALSE(form.isEmpty()) << name;
        EXPECT_EQ(kindOfForm.emplace(form, kind).first->second, kind) << name;
        EXPECT_EQ(formOfKind.emplace(kind, form).first->second, form)
            << name << " records the kind of another sheet";

        const std::map<Selector, qint16> selectors{
            {Selector::FigureSelect, GlobalSubs::FigureSelect},
            {Selector::CircleSelect, GlobalSubs::CircleSelect},
            {Selector::ThreePhase, GlobalSubs::ThreePhase},
            {Selector::CapacitorMode, GlobalSubs::CapacitorMode}};
        if (const auto set = selectors.find(row->selector); set != selectors.end()) {
            EXPECT_EQ(set->second, row->selectorValue) << name;
        }

        const QMdiSubWindow* window = main.currentSheetWindow();
        EXPECT_EQ(window->pos(), QPoint(0, 0));
        const QSize outer = main.frameGeometry().size();
        EXPECT_EQ(window->width(), pixels(twips(outer.width()) - row->widthMarginTwips)) << name;
        EXPECT_EQ(window->height(), pixels(twips(outer.height()) - row->heightMarginTwips)) << name;
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->windowFlags() & Qt::WindowTitleHint);
    }
}

// The open sheet is unloaded by the kind it recorded, and by no other.
TEST_F(MDIMainTest, UnloadCurrentFormUnloadsTheSheetOfTheRecordedKindOnly) {
    action("mnuGeneralItem_9")->trigger();
    QPointer<QWidget> sheet(main.currentSheet());
    const qint16 kind = GlobalSubs::CurrentFormKind;
    for (const qint16 other : {FormKind::None, FormKind::OhmsLawAC, qint16(99)}) {
        GlobalSubs::CurrentFormKind = other;
        GlobalSubs::UnloadCurrentForm();
        EXPECT_FALSE(sheet.isNull()) << other;
    }
    main.mnuHelpItem_Click(5); // no such item: nothing happens
    EXPECT_FALSE(sheet.isNull());
    GlobalSubs::CurrentFormKind = kind;
    GlobalSubs::UnloadCurrentForm();
    EXPECT_TRUE(sheet.isNull());
    EXPECT_EQ(main.currentSheet(), nullptr);
}

// A sheet beyond the design's kind table gets a kind of its own from its form name.
TEST(FormKind, ASheetBeyondTheTableGetsAKindOfItsOwn) {
    const qint16 first = FormKind::forForm("frmKindTestA");
    const qint16 second = FormKind::forForm("frmKindTestB");
    EXPECT_NE(first, second);
    EXPECT_EQ(FormKind::forForm("frmKindTestA"), first);
    for (const qint16 kind : {first, second})
        EXPECT_GT(kind, FormKind::OhmsLawAC);
}

// Maximised and back: the open sheet keeps its command's margins inside the frame.
TEST_F(MDIMainTest, OpenSheetFollowsAMaximisedFrame) {
    action("mnu3PhaseItem_1")->trigger();
    const MenuItemRow* row = findMenuItem(ItemArray::mnu3PhaseItem, 1);
    const auto expectMargins = [&](const char* when) {
        const QSize outer = main.frameGeometry().size();
        const QSize sheet = main.currentSheetWindow()->size();
        EXPECT_EQ(sheet, QSize(pixels(twips(outer.width()) - row->widthMarginTwips),
                               pixels(twips(outer.height()) - row->heightMarginTwips)))
            << when;
    };
    const QSize before = main.size();
    main.showMaximized();
    QApplication::processEvents();
    EXPECT_NE(main.size(), before);
    expectMargins("maximised");
    main.showNormal();
    QApplication::processEvents();
    expectMargins("restored");
}

TEST_F(MDIMainTest, ReopeningGivesAFreshSheetAndOnlyOneIsOpen) {
    action("mnuGeneralItem_9")->trigger();
    auto* first = main.currentSheet();
    first->findChild<QLineEdit*>(QStringLiteral("txtgiven_0"))->setText(QStringLiteral("12"));
    first->findChild<QLineEdit*>(QStringLiteral("txtgiven_1"))->setText(QStringLiteral("4"));
    static_cast<frmOhmsLaw*>(first)->cmdCalculate_Click();
    QPointer<QWidget> old(first);

    action("mnuGeneralItem_9")->trigger();
    EXPECT_TRUE(old.isNull()) << "the old sheet is unloaded";
    auto* fresh = main.currentSheet();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->findChild<QLineEdit*>(QStringLiteral("txtgiven_0"))->text(), "");
    EXPECT_EQ(fresh->findChild<QLabel*>(QStringLiteral("lblRow3_0"))->text(), "");
    EXPECT_EQ(main.findChildren<QMdiSubWindow*>().size(), 1);
}

TEST_F(MDIMainTest, SheetChangeRestoresTheSystemBackground) {
    main.setFrameBackground(Qt::white);
    action("mnuGeneralItem_9")->trigger();
    EXPECT_EQ(main.frameBackground(), systemColour(SystemColour::ActiveBorder));
}

TEST_F(MDIMainTest, EnclosureSheetsTurnTheFrameWhiteUntilTheNextSheet) {
    for (const char* item :
         {"itmEncRatings_0", "itmEncRatings_1", "itmEncRatings_2", "itmEncRatings_3"}) {
        action(item)->trigger();
        EXPECT_EQ(main.frameBackground(), QColor(Qt::white)) << item;
        action("mnuGeneralItem_5")->trigger();
        EXPECT_EQ(main.frameBackground(), systemColour(SystemColour::ActiveBorder)) << item;
    }
}

TEST_F(MDIMainTest, AboutLeavesTheSheetItsEntriesAndHistoryUntouched) {
    action("mnuGeneralItem_9")->trigger();
    auto* sheet = static_cast<frmOhmsLaw*>(main.currentSheet());
    sheet->findChild<QLineEdit*>(QStringLiteral("txtgiven_0"))->setText(QStringLiteral("12"));
    sheet->findChild<QLineEdit*>(QStringLiteral("txtgiven_1"))->setText(QStringLiteral("4"));
    sheet->cmdCalculate_Click();

    action("mnuHelpItem_1")->trigger();
    frmAbout* about = main.aboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowTitle(), "About Kelvo");

    action("mnuHelpItem_1")->trigger();
    EXPECT_EQ(main.aboutBox(), about) << "a second About brings the same box forward";
    EXPECT_EQ(main.findChildren<frmAbout*>().size(), 1);

    QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main.aboutBox(), nullptr) << "OK unloads the box";
    EXPECT_EQ(main.currentSheet(), sheet);
    EXPECT_EQ(sheet->findChild<QLabel*>(QStringLiteral("lblRow3_0"))->text(), "3.00");
    EXPECT_EQ(sheet->findChild<QLineEdit*>(QStringLiteral("txtgiven_0"))->text(), "12");
    EXPECT_TRUE(main.isVisible());
}

// Runs the event loop until the program is told to end, or gives up after a while. The guard
// timer dies with the call: left pending, it would write to this frame long after it is gone.
bool endsTheProgram(const std::function<void()>& act) {
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    guard.start(5000);
    QTimer::singleShot(0, act);
    QCoreApplication::exec();
    return !timedOut;
}

TEST_F(MDIMainTest, ExitEndsTheProgram) {
    action("mnuGeneralItem_9")->trigger();
    EXPECT_TRUE(endsTheProgram([this] { action("mnuFileItem_1")->trigger(); }));
}

TEST_F(MDIMainTest, CloseButtonEndsTheProgramEvenWithAboutOpen) {
    action("mnuHelpItem_1")->trigger();
    EXPECT_TRUE(endsTheProgram([this] { main.close(); }));
}

TEST_F(MDIMainTest, ElectricalTitleDoesNothing) {
    action("mnuGeneralItem_9")->trigger();
    QWidget* sheet = main.currentSheet();
    main.mnuElectricalItem_Click(0);
    EXPECT_EQ(main.currentSheet(), sheet);
}

} // namespace
