#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "common/ResultCopy.h"
#include "common/ResultHistory.h"

namespace {

QString clipboard() {
    return QGuiApplication::clipboard()->text();
}

// One section laid out the way the sheets do it: headings in the grid row above the cells.
struct Section {
    QGroupBox* frame;
    ResultHistory history;
    std::vector<QLabel*> headings;
    QPushButton* button;

    Section(QWidget* sheet, const QStringList& names, const QStringList& titles)
        : frame(new QGroupBox(sheet)), history(sheet, names),
          button(new QPushButton(QStringLiteral("CALCULATE"), frame)) {
        auto* grid = new QGridLayout(frame);
        for (int c = 0; c < history.columnCount(); ++c) {
            headings.push_back(new QLabel(titles.value(c), frame));
            grid->addWidget(headings.back(), 0, c);
            for (int r = 0; r < ResultHistory::Rows; ++r) {
                history.label(c, r)->setParent(frame);
                grid->addWidget(history.label(c, r), r + 1, c);
            }
        }
        grid->addWidget(button, 4, 0);
    }
    void record(const QStringList& row) {
        history.shift();
        history.setNewestRow(row);
    }
};

TEST(ResultCopy, HistoryTextHasHeadingsThenTheRowsThatHoldText) {
    QWidget sheet;
    Section s(&sheet, {"lblA", "lblB", "lblC"}, {"V(Volts)", "I\n(Amps)", "R"});
    EXPECT_EQ(s.history.copyText(), "") << "an empty history copies nothing";
    s.record({"1.00", "2.00", "3.00"});
    s.record({"4.00", "5\t0", "6.00"});
    EXPECT_EQ(s.history.copyText(), "V(Volts)\tI (Amps)\tR\n4.00\t5 0\t6.00\n1.00\t2.00\t3.00\n");

    s.headings[0]->setText(QStringLiteral("P(Watts)")); // a new formula relabels the column
    s.history.label(2, 0)->hide();                      // a column the sheet does not show
    EXPECT_EQ(s.history.copyText(), "P(Watts)\tI (Amps)\n4.00\t5 0\n1.00\t2.00\n");
    s.history.setHeading(1, QStringLiteral("Amps"));
    EXPECT_TRUE(s.history.copyText().startsWith(QStringLiteral("P(Watts)\tAmps\n")));
}

TEST(ResultCopy, CellsAreAnnouncedByHeadingAndRowAndOfferCopy) {
    QWidget sheet;
    Section s(&sheet, {"lblA", "lblB"}, {"V(Volts)", ""});
    s.record({"12.00", "3.00"});
    auto name = [&](int c, int r) {
        return QAccessible::queryAccessibleInterface(s.history.label(c, r))
            ->text(QAccessible::Name);
    };
    EXPECT_EQ(name(0, 0), "V(Volts), row 1");
    EXPECT_EQ(name(0, 2), "V(Volts), row 3");
    EXPECT_EQ(name(1, 1), "Column 2, row 2");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(s.history.label(0, 0))
                  ->text(QAccessible::Description),
              "12.00");
    s.headings[0]->setText(QStringLiteral("I(Amps)"));
    EXPECT_EQ(name(0, 0), "I(Amps), row 1");

    const QList<QAction*> menu = s.history.label(1, 2)->actions();
    ASSERT_EQ(menu.size(), 1);
    EXPECT_EQ(menu[0]->text(), "Copy");
    EXPECT_EQ(s.history.label(1, 2)->contextMenuPolicy(), Qt::ActionsContextMenu);
    QGuiApplication::clipboard()->clear();
    menu[0]->trigger();
    EXPECT_EQ(clipboard(), "I(Amps)\t\n12.00\t3.00\n") << "no heading, an empty heading cell";
}

TEST(ResultCopy, AnswerRowsCopyCaptionAndValueOfShownRowsWithResults) {
    QWidget sheet;
    std::vector<AnswerRow> rows;
    const char* cells[][2] = {{"Area = ", "12.5"}, {"Perimeter =", ""}, {"Volume =", "3"}};
    for (const auto& [caption, value] : cells)
        rows.push_back({new QLabel(QString::fromLatin1(caption), &sheet),
                        new QLabel(QString::fromLatin1(value), &sheet)});
    rows[2].caption->hide();
    ResultCopySource* copy = makeAnswerCopy(&sheet, rows);
    EXPECT_EQ(copy->copyText(), "Area =\t12.5\n");
    rows[0].value->clear();
    EXPECT_FALSE(copy->copyToClipboard()) << "nothing to copy leaves the clipboard alone";
}

TEST(ResultCopy, CtrlCTakesTheSectionHoldingTheFocusOrAllWhenNoneIs) {
    QWidget sheet;
    auto* page = new QVBoxLayout(&sheet);
    Section first(&sheet, {"lblA"}, {"A"});
    Section second(&sheet, {"lblB"}, {"B"});
    auto* entry = new QLineEdit(&sheet);
    page->addWidget(first.frame);
    page->addWidget(second.frame);
    page->addWidget(entry);
    installResultCopy(&sheet);
    first.record({"1"});
    second.record({"2"});
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));

    const std::pair<QWidget*, const char*> cases[] = {
        {first.button, "A\n1\n"},
        {second.button, "B\n2\n"},
        {entry, "A\n1\n\nB\n2\n"},
    };
    for (const auto& [focus, expected] : cases) {
        QGuiApplication::clipboard()->clear();
        focus->setFocus();
        QTest::keySequence(focus, QKeySequence::Copy);
        EXPECT_EQ(clipboard(), expected) << focus->objectName().toStdString();
    }
}

} // namespace
