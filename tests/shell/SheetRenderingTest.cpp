#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include "support/ErrorRecorder.h"
#include "support/LiveSheets.h"

// Each live sheet as drawn: nothing cut off (this suite also runs at a device-pixel ratio of 2),
// no scroll bar at the designed window size, the sheet follows the frame, and a sheet larger
// than its area scrolls.
namespace {

QString who(const LiveSheet& sheet, const QWidget* w) {
    return sheet.caption + QStringLiteral(": ") + w->objectName() + u' ' +
           QLatin1String(w->metaObject()->className());
}

// A widget whose text would be cut: outside its parent, or smaller than its text needs.
void expectNothingClipped(const LiveSheet& s, QWidget* sheet) {
    for (QWidget* w : sheet->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(sheet) || w->isWindow())
            continue;
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
            << who(s, w).toStdString() << " sticks out of its parent";
        const auto* label = qobject_cast<const QLabel*>(w);
        const bool text = (label && !label->wordWrap() && !label->text().isEmpty()) ||
                          qobject_cast<const QAbstractButton*>(w);
        if (!text)
            continue;
        const QSize needed = w->minimumSizeHint();
        EXPECT_GE(w->width(), needed.width()) << who(s, w).toStdString() << " cuts its text";
        EXPECT_GE(w->height(), needed.height()) << who(s, w).toStdString() << " cuts its text";
    }
}

class SheetRenderingTest : public ::testing::Test {
protected:
    void open(MDIMain& main) {
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    ErrorRecorder errors;
    const std::vector<LiveSheet> sheets = liveSheets();
};

TEST_F(SheetRenderingTest, NoWidgetIsClippedByItsParent) {
    MDIMain main;
    open(main);
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(main.devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    for (const LiveSheet& s : sheets) {
        QWidget* sheet = openLiveSheet(main, s);
        ASSERT_NE(sheet, nullptr);
        QApplication::processEvents();
        expectNothingClipped(s, sheet);
    }
}

// The designed client area of 10185 x 10740 twips, whatever room the test screen has.
void resizeToDesignedClientArea(MDIMain& main) {
    const double dpi = main.screen()->logicalDotsPerInch();
    const QSize designed(qRound(10185 * dpi / 1440), qRound(10740 * dpi / 1440));
    main.resize(main.size() + designed - main.centralWidget()->size());
    QApplication::processEvents();
}

TEST_F(SheetRenderingTest, AtTheDesignedSizeNoSheetScrollsAndEverySheetFollowsTheFrame) {
    MDIMain main;
    open(main);
    resizeToDesignedClientArea(main);
    for (const LiveSheet& s : sheets) {
        const std::string name = (s.action + u' ' + s.caption).toStdString();
        QWidget* sheet = openLiveSheet(main, s);
        ASSERT_NE(sheet, nullptr) << name;
        QApplication::processEvents();
        auto* scroller = main.currentSheetWindow()->findChild<QScrollArea*>("sheetScroller");
        ASSERT_NE(scroller, nullptr) << name;
        const bool scrolls = scroller->horizontalScrollBar()->isVisible() ||
                             scroller->verticalScrollBar()->isVisible();
        EXPECT_FALSE(scrolls) << name << " shows a scroll bar";

        // Larger, then back: the sheet's window grows and shrinks with the frame.
        const QSize window = main.currentSheetWindow()->size();
        const QSize step(150, 100);
        main.resize(main.size() + step);
        QApplication::processEvents();
        const QSize grown = main.currentSheetWindow()->size() - window;
        EXPECT_NEAR(grown.width(), step.width(), 1) << name;
        EXPECT_NEAR(grown.height(), step.height(), 1) << name;
        resizeToDesignedClientArea(main);
        EXPECT_EQ(main.currentSheetWindow()->size(), window) << name;
    }
}

TEST_F(SheetRenderingTest, ASheetLargerThanItsAreaScrollsAndKeepsItsControls) {
    MDIMain main;
    open(main);
    main.resize(320, 240);
    for (const LiveSheet& s : sheets) {
        QWidget* sheet = openLiveSheet(main, s);
        QApplication::processEvents();
        auto* scroller = qobject_cast<QScrollArea*>(sheet->parentWidget()->parentWidget());
        ASSERT_NE(scroller, nullptr) << s.caption.toStdString();
        EXPECT_GE(sheet->width(), sheet->minimumSizeHint().width()) << s.caption.toStdString();
        EXPECT_GE(sheet->height(), sheet->minimumSizeHint().height()) << s.caption.toStdString();
        EXPECT_TRUE(scroller->verticalScrollBar()->isVisible() ||
                    scroller->horizontalScrollBar()->isVisible())
            << s.caption.toStdString();
        expectNothingClipped(s, sheet);
    }
}

} // namespace
