#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <map>

#include "support/ErrorRecorder.h"
#include "support/LiveSheets.h"

// Each live sheet as drawn: nothing cut off (this suite also runs at a device-pixel ratio of 2),
// a sheet larger than its area scrolls, and a dark desktop palette stays legible.
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

double luminance(QColor c) {
    auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour most of an area shows: the background behind a label's text.
QColor dominantColour(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    auto best = std::max_element(counts.begin(), counts.end(),
                                 [](const auto& a, const auto& b) { return a.second < b.second; });
    return best == counts.end() ? QColor() : QColor(best->first);
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

// Under a dark palette every text keeps a readable contrast with what is behind it, and the
// newest history row keeps its designed red on black.
TEST_F(SheetRenderingTest, DarkPaletteStaysLegible) {
    const QPalette light = QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x45, 0x45, 0x45));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    QApplication::setPalette(dark);
    {
        MDIMain main;
        open(main);
        for (const LiveSheet& s : sheets) {
            QWidget* sheet = openLiveSheet(main, s);
            QApplication::processEvents();
            const QImage shot = sheet->grab().toImage();
            const qreal ratio = shot.devicePixelRatio();
            for (QLabel* label : sheet->findChildren<QLabel*>()) {
                if (!label->isVisibleTo(sheet) || label->text().isEmpty() ||
                    label->textFormat() == Qt::RichText)
                    continue;
                const QRect area(label->mapTo(sheet, QPoint()) * ratio, label->size() * ratio);
                const QColor text = label->palette().color(label->foregroundRole());
                const QColor behind = dominantColour(shot.copy(area));
                EXPECT_GE(contrast(text, behind), 3.0)
                    << who(s, label).toStdString() << ": " << text.name().toStdString() << " on "
                    << behind.name().toStdString();
                if (label->property("kelvoHistoryRow").toInt() == 0 &&
                    label->property("kelvoHistoryCells").isValid()) {
                    EXPECT_EQ(text, QColor(255, 0, 0)) << who(s, label).toStdString();
                }
            }
        }
    }
    QApplication::setPalette(light);
}

} // namespace
