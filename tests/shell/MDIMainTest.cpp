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

#include "common/GlobalSubs.h"
#include "common/SystemColours.h"
#include "electrical/frmOhmsLaw.h"
#include "shell/MDIMain.h"
#include "shell/frmAbout.h"
#include "support/ErrorRecorder.h"

namespace {

// The menu tree as a user reads it, written out independently of the menu table.
const std::vector<std::pair<QString, QStringList>> expectedMenus{
    {"&File", {"&Exit"}},
    {"&Geometry", {"2D Objects", "3D Objects"}},
    {"2D Objects",
     {"Circle", "Triangle (Right)", "Rectangle", "Parallelogram", "Trapezoid", "Quadrilateral",
      "Annulus", "Trapezium", "Triangle (Equilateral)", "Regular Polygon", "Circle Sections",
      "Ellipse"}},
    {"3D Objects",
     {"Sphere", "Cube", "Right Prism", "Right Cylinder", "Right Cone", "Right Pyramid",
      "Circular Ring"}},
    {"&Electrical",
     {"Conduit Volume", "Resistor Calculations", "Capacitor Calculations", "Inductor Calculations",
      "NEMA Motor Frames", "Wire Classes", "Resister Color Codes", "DC Motor Specs",
      "HP vs. Torque ", "Ohms Law (DC)", "Ohms Law (AC)"}},
    {"E&nclosure Ratings", {"NEMA", "UL", "CSA", "IP"}},
    {"&Single Phase AC",
     {"Full Load Current", "Current Calcuations", "Efficiency Calculations", "Power Calculations"}},
    {"3 &Phase AC",
     {"Full Load Current", "Current Calculations", "Efficiency and Power Factor",
      "Power Calculations"}},
    {"NE&C", {"Raceway Fill", "Box Fill"}},
    {"&Help", {"About"}},
};

// The sheets built so far: item object name, kind recorded, margins in twips.
struct BuiltSheet {
    const char* action;
    qint16 kind;
    int widthMargin, heightMargin;
};
const BuiltSheet builtSheets[] = {
    {"mnuGeneralItem_9", FormKind::OhmsLaw, 1050, 1050},
    {"mnuGeneralItem_7", FormKind::DCMotorSpecs, 1050, 1050},
    {"mnuGeneralItem_8", FormKind::HPvTorque, 1050, 1050},
    {"mnuSinglePhaseItem_0", FormKind::Flcurrents, 500, 1000},
    {"mnu3PhaseItem_0", FormKind::Flcurrents, 500, 1000},
    {"mnuGeneralItem_10", FormKind::OhmsLawAC, 1050, 1050},
    {"mnuSinglePhaseItem_1", FormKind::ThreePCurrent, 500, 1000},
    {"mnuSinglePhaseItem_2", FormKind::Eff, 500, 1000},
    {"mnuSinglePhaseItem_3", FormKind::KVA, 500, 1000},
    {"mnu3PhaseItem_1", FormKind::ThreePCurrent, 1050, 1050},
    {"mnu3PhaseItem_2", FormKind::Eff, 1050, 1050},
    {"mnu3PhaseItem_3", FormKind::KVA, 1050, 1050},
    {"mnuGeometryItem_0", FormKind::Circle, 1050, 1050},
    {"mnuGeometryItem_1", FormKind::Geometry, 1050, 1050},
    {"mnuGeometryItem_9", FormKind::Polygon, 1050, 1050},
    {"mnuGeometryItem_10", FormKind::Circle, 1050, 1050},
    {"mnuGeometryItem_11", FormKind::Circle, 1050, 1050},
    {"mnu3dGeometryItem_0", FormKind::Sphere, 1050, 1050},
    {"mnuGeneralItem_0", FormKind::Conduit, 500, 1000},
    {"mnuGeneralItem_4", FormKind::NemaMtr, 500, 1000},
    {"mnuGeneralItem_5", FormKind::WireClass, 200, 800},
    {"itmEncRatings_0", FormKind::EnclosureNema, 1000, 1000},
    {"itmEncRatings_1", FormKind::EnclosureUL, 1000, 1000},
    {"itmEncRatings_2", FormKind::EnclosureCSA, 1000, 1000},
    {"itmEncRatings_3", FormKind::EnclosureIP, 1000, 1000},
    {"mnuGeneralItem_1", FormKind::Resistor, 500, 1000},
    {"mnuGeneralItem_2", FormKind::Capacitor, 500, 1000},
    {"mnuGeneralItem_3", FormKind::Capacitor, 500, 1000},
    {"mnuGeneralItem_6", FormKind::ResistorColors, 200, 800},
    {"mnuGeometryItem_2", FormKind::Square, 1050, 1050},
    {"mnuGeometryItem_3", FormKind::Square, 1050, 1050},
    {"mnuGeometryItem_4", FormKind::Square, 1050, 1050},
    {"mnuGeometryItem_5", FormKind::Square, 1050, 1050},
    {"mnuGeometryItem_6", FormKind::Square, 1050, 1050},
    {"mnuGeometryItem_7", FormKind::Square, 1050, 1050},
    {"mnuGeometryItem_8", FormKind::Square, 1050, 1050},
    {"mnu3dGeometryItem_1", FormKind::Square, 1050, 1050},
    {"mnu3dGeometryItem_2", FormKind::Square, 1050, 1050},
    {"mnu3dGeometryItem_3", FormKind::Square, 1050, 1050},
    {"mnu3dGeometryItem_4", FormKind::Square, 1050, 1050},
    {"mnu3dGeometryItem_5", FormKind::Square, 1050, 1050},
    {"mnu3dGeometryItem_6", FormKind::Square, 1050, 1050},
    {"mnuNECItem_2", FormKind::RacewayFill, 500, 1000},
    {"mnuNECItem_3", FormKind::BoxFill, 500, 1000},
};

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
    QStringList captions(const QMenu* menu) {
        QStringList out;
        for (const QAction* a : menu->actions())
            out << a->text();
        return out;
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

TEST_F(MDIMainTest, InitialClientAreaIsTheDesignedSize) {
    EXPECT_EQ(main.centralWidget()->size(), QSize(pixels(10185), pixels(10740)));
}

TEST_F(MDIMainTest, MenuTreeCaptionsAreExact) {
    QStringList bar;
    for (const QAction* a : main.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Geometry", "&Electrical", "E&nclosure Ratings",
                                "&Single Phase AC", "3 &Phase AC", "NE&C", "&Help"}));
    for (const auto& [title, items] : expectedMenus) {
        const QMenu* menu = nullptr;
        for (const QMenu* m : main.findChildren<QMenu*>())
            if (m->title() == title)
                menu = m;
        ASSERT_NE(menu, nullptr) << title.toStdString();
        EXPECT_EQ(captions(menu), items) << title.toStdString();
    }
}

TEST_F(MDIMainTest, OnlyBuiltSheetsAreEnabled) {
    int enabledSheets = 0;
    for (const QAction* a : main.findChildren<QAction*>()) {
        if (a->menu() || a->objectName().isEmpty())
            continue;
        const bool built =
            std::any_of(std::begin(builtSheets), std::end(builtSheets),
                        [&](const BuiltSheet& s) { return a->objectName() == s.action; });
        const bool always =
            a->objectName() == "mnuFileItem_1" || a->objectName() == "mnuHelpItem_1";
        EXPECT_EQ(a->isEnabled(), built || always) << a->objectName().toStdString();
        enabledSheets += built;
    }
    EXPECT_EQ(enabledSheets, static_cast<int>(std::size(builtSheets)));
}

TEST_F(MDIMainTest, EachBuiltCommandOpensItsSheetTopLeftSizedByItsMargins) {
    for (const BuiltSheet& s : builtSheets) {
        action(s.action)->trigger();
        ASSERT_NE(main.currentSheet(), nullptr) << s.action;
        EXPECT_EQ(GlobalSubs::CurrentFormKind, s.kind) << s.action;
        const QMdiSubWindow* window = main.currentSheetWindow();
        EXPECT_EQ(window->pos(), QPoint(0, 0));
        const QSize outer = main.frameGeometry().size();
        EXPECT_EQ(window->width(), pixels(twips(outer.width()) - s.widthMargin)) << s.action;
        EXPECT_EQ(window->height(), pixels(twips(outer.height()) - s.heightMargin)) << s.action;
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->windowFlags() & Qt::WindowTitleHint);
    }
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

TEST_F(MDIMainTest, UnknownKindUnloadsNothing) {
    action("mnuGeneralItem_9")->trigger();
    QPointer<QWidget> sheet(main.currentSheet());
    GlobalSubs::CurrentFormKind = 99;
    main.mnuHelpItem_Click(5); // no such item: nothing happens
    main.unloadSheet(99);
    EXPECT_FALSE(sheet.isNull());
    GlobalSubs::CurrentFormKind = FormKind::OhmsLaw;
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

// Runs the event loop until the program is told to end, or gives up after a while.
bool endsTheProgram(const std::function<void()>& act) {
    bool timedOut = false;
    // The time-out dies with this frame: fired later, it would write to a stack long gone.
    QObject frame;
    QTimer::singleShot(0, act);
    QTimer::singleShot(5000, &frame, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
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
