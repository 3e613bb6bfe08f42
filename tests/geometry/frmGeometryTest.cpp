#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/GlobalSubs.h"
#include "geometry/frmGeometry.h"
#include "support/ErrorRecorder.h"

namespace {

class frmGeometryTest : public ::testing::Test {
protected:
    frmGeometry sheet;
    ErrorRecorder errors;

    QLineEdit* input(int i) {
        return sheet.findChild<QLineEdit*>(QStringLiteral("txtInput_%1").arg(i));
    }
    QLabel* value(int i) { return sheet.findChild<QLabel*>(QStringLiteral("lblanswer_%1").arg(i)); }
    QStringList values() {
        QStringList texts;
        for (int i = 0; i < 5; ++i)
            texts << value(i)->text();
        return texts;
    }
    QList<bool> enabled() {
        QList<bool> on;
        for (int i = 0; i < 5; ++i)
            on << input(i)->isEnabled();
        return on;
    }
    // Retypes the five boxes (answers stay as they are) and presses CALCULATE.
    void solve(const QStringList& texts) {
        for (int i = 0; i < 5; ++i)
            input(i)->clear();
        for (int i = 0; i < 5; ++i)
            QTest::keyClicks(input(i), texts[i]);
        QTest::mouseClick(sheet.findChild<QPushButton*>(QStringLiteral("cmdCalculate")),
                          Qt::LeftButton);
    }
};

TEST_F(frmGeometryTest, OpensUnlockedWithValuesHidden) {
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::Geometry);
    EXPECT_EQ(enabled(), (QList<bool>{true, true, true, true, true}));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(value(i)->isHidden());
    EXPECT_EQ(value(5)->text(), "a=");
    EXPECT_EQ(value(6)->text(), "c=");
    EXPECT_EQ(value(7)->text(), "b=");
}

TEST_F(frmGeometryTest, TwoGivensLockTheRestUntilOneIsEmptied) {
    QTest::keyClicks(input(0), QStringLiteral("3"));
    EXPECT_EQ(enabled(), (QList<bool>{true, true, true, true, true}));
    QTest::keyClicks(input(1), QStringLiteral("0")); // a zero locks like any other text
    EXPECT_EQ(enabled(), (QList<bool>{true, true, false, false, false}));
    const QColor locked = input(2)->palette().color(QPalette::Base);
    EXPECT_NE(locked, input(0)->palette().color(QPalette::Base));
    QTest::keyClick(input(1), Qt::Key_Backspace);
    EXPECT_EQ(enabled(), (QList<bool>{true, true, true, true, true}));
    EXPECT_EQ(input(2)->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(frmGeometryTest, SolvesOntoTheDrawing) {
    const std::tuple<QStringList, QStringList> cases[] = {
        {{"3", "4", "", "", ""}, {"3.0", "4.0", "5.0", "36.89", "53.11"}},
        {{"", "", "10", "30", ""}, {"5.0", "8.66", "10.0", "30.0", "60.0"}},
        {{"", "", "", "30", "60"}, {".0", ".0", ".0", ".0", ".0"}},
        {{"3", "0", "", "", ""}, {".0", ".0", ".0", ".0", ".0"}},
    };
    for (const auto& [texts, expected] : cases) {
        solve(texts);
        EXPECT_EQ(values(), expected) << texts.join(',').toStdString();
        for (int i = 0; i < 5; ++i)
            EXPECT_TRUE(value(i)->isVisible() || !sheet.isVisible());
    }
    EXPECT_TRUE(errors.shown.empty());
}

TEST_F(frmGeometryTest, ImpossibleTrianglesAreToldAndWriteNothing) {
    solve({"3", "4", "", "", ""});
    const QStringList before = values();
    const std::tuple<QStringList, const char*> cases[] = {
        {{"5", "", "5", "", ""}, "Side a must be shorter than the hypotenuse c"},
        {{"", "6", "5", "", ""}, "Side b must be shorter than the hypotenuse c"},
        {{".", "", "5", "", ""}, "not a number"},
    };
    for (const auto& [texts, words] : cases) {
        errors.shown.clear();
        solve(texts);
        ASSERT_EQ(errors.shown.size(), 1u) << texts.join(',').toStdString();
        EXPECT_TRUE(errors.shown[0].text.contains(QString::fromLatin1(words)))
            << errors.shown[0].text.toStdString();
        EXPECT_EQ(values(), before);
    }
}

TEST_F(frmGeometryTest, ClearUnlocksAndKeepsShownLabelsVisible) {
    sheet.show();
    solve({"3", "4", "", "", ""});
    sheet.cmdClear_Click();
    EXPECT_EQ(enabled(), (QList<bool>{true, true, true, true, true}));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(input(i)->text(), "");
        EXPECT_EQ(value(i)->text(), "");
        EXPECT_TRUE(value(i)->isVisible());
    }
}

} // namespace
