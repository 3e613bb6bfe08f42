#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/GlobalSubs.h"
#include "electrical/frmOhmsLaw.h"
#include "support/ErrorRecorder.h"

namespace {

class frmOhmsLawTest : public ::testing::Test {
protected:
    frmOhmsLaw sheet;
    ErrorRecorder errors;

    template <class T> T* child(const QString& name) {
        T* w = sheet.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit* given(int i) { return child<QLineEdit>(QStringLiteral("txtgiven_%1").arg(i)); }
    QString cell(int column, int row) {
        return child<QLabel>(QStringLiteral("lblRow%1_%2").arg(column).arg(row))->text();
    }
    QStringList row(int r) { return {cell(1, r), cell(2, r), cell(3, r)}; }
    QStringList headings() { return row(3); }

    void type(const QString& a, const QString& b) {
        given(0)->clear();
        given(1)->clear();
        QTest::keyClicks(given(0), a);
        QTest::keyClicks(given(1), b);
    }
    void calculate(const QString& a, const QString& b) {
        type(a, b);
        QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
    }
    void pick(int index) {
        sheet.show();
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("optFormula_%1").arg(index)),
                          Qt::LeftButton);
    }
};

TEST_F(frmOhmsLawTest, LoadsWithFirstFormulaAndRecordsItsKind) {
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::OhmsLaw);
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("optFormula_0"))->isChecked());
    EXPECT_EQ(child<QLabel>(QStringLiteral("lblGiven_0"))->text(), "V =");
    EXPECT_EQ(child<QLabel>(QStringLiteral("lblGiven_1"))->text(), "R =");
    EXPECT_EQ(headings(), (QStringList{"V(Volts)", "R(ohms)", "I(Amps)"}));
    EXPECT_EQ(child<QLabel>(QStringLiteral("lblHeading"))->text(), "Ohms Law Calculations (DC)");
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(row(r), (QStringList{"", "", ""}));
}

TEST_F(frmOhmsLawTest, CalculationsWriteTheDocumentedRows) {
    const std::tuple<int, const char*, const char*, QStringList> cases[] = {
        {0, "12", "4", {"12.00", "4.00", "3.00"}},
        {8, "230", "1000", {"230.00", "1000.00", "52.90"}},
        {10, ".5", ".1", {".50", ".10", "50.00"}},
        {2, "100", "3", {"100.00", "3.00", "5.774"}},
    };
    for (const auto& [index, a, b, expected] : cases) {
        pick(index);
        calculate(QString::fromLatin1(a), QString::fromLatin1(b));
        EXPECT_EQ(row(0), expected) << "formula " << index;
    }
    EXPECT_TRUE(errors.shown.empty());
}

TEST_F(frmOhmsLawTest, FourCalculationsKeepTheLastThreeNewestOnTop) {
    for (const char* v : {"1", "2", "3", "4"})
        calculate(QString::fromLatin1(v), QStringLiteral("1"));
    EXPECT_EQ(row(0), (QStringList{"4.00", "1.00", "4.00"}));
    EXPECT_EQ(row(1), (QStringList{"3.00", "1.00", "3.00"}));
    EXPECT_EQ(row(2), (QStringList{"2.00", "1.00", "2.00"}));
}

TEST_F(frmOhmsLawTest, ChoosingAFormulaClearsEverythingAndRelabels) {
    calculate(QStringLiteral("12"), QStringLiteral("4"));
    pick(6);
    EXPECT_EQ(headings(), (QStringList{"I(Amps)", "R(ohms)", "P(Watts)"}));
    EXPECT_EQ(child<QLabel>(QStringLiteral("lblGiven_0"))->text(), "I =");
    EXPECT_EQ(given(0)->text(), "");
    EXPECT_EQ(given(1)->text(), "");
    EXPECT_EQ(row(0), (QStringList{"", "", ""}));
    calculate(QStringLiteral("3"), QStringLiteral("10"));
    EXPECT_EQ(row(0), (QStringList{"3.00", "10.00", "90.00"}));
}

TEST_F(frmOhmsLawTest, ClearKeepsHeadingsAndFormula) {
    pick(3);
    calculate(QStringLiteral("2"), QStringLiteral("6"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdClear")), Qt::LeftButton);
    EXPECT_EQ(row(0), (QStringList{"", "", ""}));
    EXPECT_EQ(given(0)->text(), "");
    EXPECT_EQ(headings(), (QStringList{"I(Amps)", "R(ohms)", "V(Volts)"}));
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("optFormula_3"))->isChecked());
    calculate(QStringLiteral("2"), QStringLiteral("6"));
    EXPECT_EQ(row(0), (QStringList{"2.00", "6.00", "12.00"}));
    EXPECT_EQ(row(1), (QStringList{"", "", ""}));
}

TEST_F(frmOhmsLawTest, EnterInAnEntryBoxCalculates) {
    type(QStringLiteral("12"), QStringLiteral("4"));
    QTest::keyClick(given(1), Qt::Key_Return);
    EXPECT_EQ(row(0), (QStringList{"12.00", "4.00", "3.00"}));
}

// A refused press tells the user why, writes nothing and does not push a good row out.
TEST_F(frmOhmsLawTest, RefusedCalculationLeavesTheHistoryAsItWas) {
    calculate(QStringLiteral("12"), QStringLiteral("4"));
    calculate(QStringLiteral("6"), QStringLiteral("2"));
    const QList<QStringList> before{row(0), row(1), row(2)};
    const std::tuple<const char*, const char*, const char*> refusals[] = {
        {"", "4", "V box is empty"},    {"12", "", "R box is empty"},   {".", "4", "not a number"},
        {"1.2.3", "4", "not a number"}, {"12", "0", "divisor is zero"},
    };
    for (const auto& [a, b, words] : refusals) {
        errors.shown.clear();
        calculate(QString::fromLatin1(a), QString::fromLatin1(b));
        ASSERT_EQ(errors.shown.size(), 1u) << a << " / " << b;
        EXPECT_TRUE(errors.shown[0].text.contains(QString::fromLatin1(words)))
            << errors.shown[0].text.toStdString();
        EXPECT_EQ((QList<QStringList>{row(0), row(1), row(2)}), before) << a << " / " << b;
    }
}

TEST_F(frmOhmsLawTest, PastedTextIsRefusedAtCalculateNeverShownAsInfOrNan) {
    given(0)->setText(QStringLiteral("abc"));
    given(1)->setText(QStringLiteral("4"));
    sheet.cmdCalculate_Click();
    ASSERT_EQ(errors.shown.size(), 1u);
    given(0)->setText(QStringLiteral("1e308"));
    given(1)->setText(QStringLiteral("1e308"));
    pick(3);
    given(0)->setText(QStringLiteral("1e308"));
    given(1)->setText(QStringLiteral("10"));
    sheet.cmdCalculate_Click();
    EXPECT_EQ(errors.shown.size(), 2u);
    for (int r = 0; r < 3; ++r)
        for (const QString& text : row(r))
            EXPECT_FALSE(text.contains(u"inf") || text.contains(u"nan")) << text.toStdString();
}

TEST_F(frmOhmsLawTest, EntryBoxesAreAnnouncedByTheirCaptions) {
    for (int i = 0; i < 2; ++i) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(given(i));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), i == 0 ? "V =" : "R =");
    }
    pick(7);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(given(1))->text(QAccessible::Name), "I =");
}

TEST_F(frmOhmsLawTest, FilterOnBothEntryBoxes) {
    for (int i = 0; i < 2; ++i) {
        QTest::keyClicks(given(i), QStringLiteral("-1e+2, x"));
        EXPECT_EQ(given(i)->text(), "12");
    }
}

} // namespace

namespace {

TEST(frmOhmsLawKeyboard, TabWalksEntriesThenButtons) {
    frmOhmsLaw sheet;
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    sheet.setFocus();
    auto* first = sheet.findChild<QLineEdit*>(QStringLiteral("txtgiven_0"));
    EXPECT_TRUE(first->hasFocus()) << "the sheet hands its focus to the first entry";
    const char* order[] = {"txtgiven_1", "cmdCalculate", "cmdClear"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
    }
}

} // namespace
