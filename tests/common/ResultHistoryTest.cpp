#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

#include "common/ResultHistory.h"
#include "common/SystemColours.h"

namespace {

class ResultHistoryTest : public ::testing::Test {
protected:
    QWidget parent;
    ResultHistory history{&parent, {QStringLiteral("lblA"), QStringLiteral("lblB")}};

    QStringList row(int r) const {
        return {history.label(0, r)->text(), history.label(1, r)->text()};
    }
    void record(const QString& a, const QString& b) {
        history.shift();
        history.setNewestRow({a, b});
    }
};

TEST_F(ResultHistoryTest, LabelsAreNamedByColumnAndRow) {
    EXPECT_EQ(history.label(0, 0)->objectName(), "lblA_0");
    EXPECT_EQ(history.label(1, 2)->objectName(), "lblB_2");
    EXPECT_EQ(parent.findChildren<QLabel*>().size(), 6);
}

TEST_F(ResultHistoryTest, FourthResultPushesTheOldestOut) {
    for (const char* n : {"1", "2", "3", "4"})
        record(QString::fromLatin1(n), QStringLiteral("b") + QString::fromLatin1(n));
    EXPECT_EQ(row(0), (QStringList{"4", "b4"}));
    EXPECT_EQ(row(1), (QStringList{"3", "b3"}));
    EXPECT_EQ(row(2), (QStringList{"2", "b2"}));
}

TEST_F(ResultHistoryTest, ShiftAloneLeavesRowZeroDuplicated) {
    record("x", "y");
    history.shift();
    EXPECT_EQ(row(0), row(1));
    EXPECT_EQ(row(2), (QStringList{"", ""}));
}

TEST_F(ResultHistoryTest, ClearThenOneResultLeavesLowerRowsEmpty) {
    record("1", "2");
    record("3", "4");
    history.clear();
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(row(r), (QStringList{"", ""}));
    record("5", "6");
    EXPECT_EQ(row(0), (QStringList{"5", "6"}));
    EXPECT_EQ(row(1), (QStringList{"", ""}));
    EXPECT_EQ(row(2), (QStringList{"", ""}));
}

TEST_F(ResultHistoryTest, ColoursBelongToRowsNotTexts) {
    record("old", "old");
    record("new", "new");
    const QLabel* newest = history.label(0, 0);
    const QLabel* shifted = history.label(0, 1);
    EXPECT_EQ(shifted->text(), "old");
    EXPECT_EQ(newest->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(newest->palette().color(QPalette::Window), QColor(0, 0, 0));
    for (int r = 1; r < 3; ++r) {
        const QLabel* label = history.label(1, r);
        EXPECT_EQ(label->palette().color(QPalette::Window),
                  systemColour(SystemColour::ActiveBorder));
        EXPECT_EQ(label->palette().color(QPalette::WindowText),
                  systemColour(SystemColour::WindowText));
        EXPECT_TRUE(label->autoFillBackground());
    }
}

} // namespace
