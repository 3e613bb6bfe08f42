#include <gtest/gtest.h>

#include <QDirIterator>
#include <QLabel>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>

#include "common/GlobalSubs.h"
#include "shell/MDIMain.h"
#include "shell/frmAbout.h"
#include "shell/frmSplash.h"

namespace {

TEST(frmSplash, ShowsTheProductOnWhiteThenHandsOverOnce) {
    frmSplash splash;
    splash.show();
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("Label1"))->text(), "Kelvo v1.0");
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.palette().color(QPalette::Window), QColor(Qt::white));
    ASSERT_TRUE(splash.timer()->isActive());
    EXPECT_EQ(splash.timer()->interval(), 3000);
    EXPECT_EQ(splash.mainWindow(), nullptr);

    QTest::mouseClick(&splash, Qt::LeftButton); // a click has no action
    EXPECT_EQ(splash.mainWindow(), nullptr);

    splash.Timer1_Timer();
    MDIMain* main = splash.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(splash.timer()->isActive()) << "the timer disables itself";
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(splash.isVisible()) << "the main window's load step hides the splash";
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::None);

    splash.Timer1_Timer();
    EXPECT_EQ(splash.mainWindow(), main) << "the main window is shown once";
}

// The timer is wired to the handler: run early, it hands over without the three-second wait.
TEST(frmSplash, TimerRunsTheHandOver) {
    frmSplash splash;
    splash.show();
    ASSERT_TRUE(splash.timer()->isSingleShot());
    EXPECT_EQ(splash.mainWindow(), nullptr);
    splash.timer()->start(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.mainWindow() != nullptr; }, 2000));
}

TEST(frmAbout, IsAFixedDialogWithTheProductLabel) {
    frmAbout about;
    about.show();
    EXPECT_EQ(about.windowTitle(), "About Kelvo");
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label1"))->text(), "Kelvo v1.0");
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "not resizable";
}

// Every picture compiled in is a valid SVG whose declared size is the one its window shows.
TEST(Drawings, EveryResourceSvgIsValidAtItsDesignSize) {
    const std::map<QString, QSize> designSizes{
        {":/icons/kelvo.svg", {72, 72}},
        {":/icons/about.svg", {32, 32}},
        {":/drawings/splash-image1.svg", {120, 120}},
        {":/drawings/splash-image2.svg", {504, 360}},
        {":/drawings/splash-image3.svg", {356, 28}},
        {":/drawings/about-image1.svg", {96, 96}},
        {":/drawings/circle-plain.svg", {264, 211}},
        {":/drawings/circle-sector.svg", {264, 211}},
        {":/drawings/circle-segment.svg", {264, 211}},
        {":/drawings/circle-hollow-sector.svg", {264, 211}},
        {":/drawings/circle-ellipse.svg", {264, 211}},
        {":/drawings/sphere.svg", {264, 211}},
        {":/drawings/polygon-octagon.svg", {264, 211}},
        {":/drawings/right-triangle.svg", {385, 267}},
        {":/drawings/motor-frame.svg", {600, 320}},
        {":/drawings/conduit-end.svg", {160, 110}},
        {":/drawings/ip-none.svg", {40, 40}},
        {":/drawings/ip-solid-1.svg", {40, 40}},
        {":/drawings/ip-solid-2.svg", {40, 40}},
        {":/drawings/ip-solid-3.svg", {40, 40}},
        {":/drawings/ip-solid-4.svg", {40, 40}},
        {":/drawings/ip-solid-5.svg", {40, 40}},
        {":/drawings/ip-solid-6.svg", {40, 40}},
        {":/drawings/ip-water-1.svg", {40, 40}},
        {":/drawings/ip-water-2.svg", {40, 40}},
        {":/drawings/ip-water-3.svg", {40, 40}},
        {":/drawings/ip-water-4.svg", {40, 40}},
        {":/drawings/ip-water-5.svg", {40, 40}},
        {":/drawings/ip-water-6.svg", {40, 40}},
        {":/drawings/ip-water-7.svg", {40, 40}},
        {":/drawings/ip-water-8.svg", {40, 40}},
        {":/drawings/circuit-resistor-series.svg", {400, 200}},
        {":/drawings/circuit-resistor-parallel.svg", {400, 200}},
        {":/drawings/circuit-delta-to-wye.svg", {400, 200}},
        {":/drawings/circuit-wye-to-delta.svg", {400, 200}},
        {":/drawings/circuit-capacitor-series.svg", {400, 200}},
        {":/drawings/circuit-capacitor-parallel.svg", {400, 200}},
        {":/drawings/resistor-colour-bands.svg", {360, 120}},
        {":/drawings/figure-rectangle.svg", {264, 211}},
        {":/drawings/figure-parallelogram.svg", {264, 211}},
        {":/drawings/figure-trapezoid.svg", {264, 211}},
        {":/drawings/figure-quadrilateral.svg", {264, 211}},
        {":/drawings/figure-annulus.svg", {264, 211}},
        {":/drawings/figure-trapezium.svg", {264, 211}},
        {":/drawings/figure-equilateral-triangle.svg", {264, 211}},
        {":/drawings/figure-cube.svg", {264, 211}},
        {":/drawings/figure-prism.svg", {264, 211}},
        {":/drawings/figure-cylinder.svg", {264, 211}},
        {":/drawings/figure-cylinder-frustum.svg", {264, 211}},
        {":/drawings/figure-cone.svg", {264, 211}},
        {":/drawings/figure-pyramid.svg", {264, 211}},
        {":/drawings/figure-circular-ring.svg", {264, 211}},
    };
    int seen = 0;
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.svg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QSvgRenderer renderer(path);
        EXPECT_TRUE(renderer.isValid()) << path.toStdString();
        const auto expected = designSizes.find(path);
        ASSERT_NE(expected, designSizes.end()) << "no design size for " << path.toStdString();
        EXPECT_EQ(renderer.defaultSize(), expected->second) << path.toStdString();
        EXPECT_EQ(renderer.viewBoxF().size().toSize(), expected->second) << path.toStdString();
        ++seen;
    }
    EXPECT_EQ(seen, static_cast<int>(designSizes.size()));
}

} // namespace
