#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/GlobalSubs.h"
#include "electrical/frmOhmsLawAC.h"
#include "support/ErrorRecorder.h"

namespace {

class frmOhmsLawACTest : public ::testing::Test {
protected:
    frmOhmsLawAC sheet;
    ErrorRecorder errors;

    template <class T> T* child(const QString& name) {
        T* w = sheet.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit* given(int i) { return child<QLineEdit>(QStringLiteral("txtgiven_%1").arg(i)); }
    QLabel* cellLabel(int column, int row) {
        return child<QLabel>(QStringLiteral("lblRow%1_%2").arg(column).arg(row));
    }
    QStringList row(int r) {
        return {cellLabel(0, r)->text(), cellLabel(1, r)->text(), cellLabel(2, r)->text(),
                cellLabel(3, r)->text()};
    }
    QList<QStringList> rows() { return {row(0), row(1), row(2)}; }

    void calculate(const QString& a, const QString& b, const QString& theta = QStringLiteral("0")) {
        given(0)->setText(a);
        given(1)->setText(b);
        given(2)->setText(theta);
        QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
    }
    void pick(int index) {
        sheet.show();
        // Clicked on its indicator: a short caption leaves the option's centre outside its text.
        auto* option = child<QRadioButton>(QStringLiteral("optFormula_%1").arg(index));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
};

TEST_F(frmOhmsLawACTest, OpensOnTheFirstFormulaWithTheAngleHidden) {
    sheet.show();
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::OhmsLawAC);
    EXPECT_TRUE(child<QLabel>(QStringLiteral("lblHeading"))->text().contains(u"AC"));
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("optFormula_0"))->isChecked());
    EXPECT_FALSE(given(2)->isVisible());
    EXPECT_EQ(given(2)->text(), "0");
    for (int r = 0; r <= 3; ++r)
        EXPECT_FALSE(cellLabel(0, r)->isVisible());
    EXPECT_EQ(row(3).mid(1), (QStringList{"V(Volts)", "Z(ohms)", "I(Amps)"}));
}

TEST_F(frmOhmsLawACTest, ChoosingAFormulaRelabelsClearsAndResetsTheAngle) {
    calculate(QStringLiteral("120"), QStringLiteral("8"));
    pick(8);
    EXPECT_EQ(child<QLabel>(QStringLiteral("lblGiven_0"))->text(), "V =");
    EXPECT_EQ(child<QLabel>(QStringLiteral("lblGiven_1"))->text(), "P =");
    EXPECT_EQ(child<QLabel>(QStringLiteral("lblGiven_2"))->text(), "Theta =");
    EXPECT_TRUE(given(2)->isVisible());
    EXPECT_TRUE(cellLabel(0, 0)->isVisible());
    EXPECT_EQ(row(3), (QStringList{"V(Volts)", "P(Watts)", "Theta", "Z(ohms)"}));
    EXPECT_EQ(row(0), (QStringList{"", "", "", ""}));
    EXPECT_EQ(given(0)->text(), "");
    EXPECT_EQ(given(2)->text(), "0");
    pick(3);
    EXPECT_FALSE(given(2)->isVisible());
    EXPECT_FALSE(cellLabel(0, 3)->isVisible());
}

TEST_F(frmOhmsLawACTest, CalculationsWriteTheDocumentedRows) {
    const std::tuple<int, const char*, const char*, const char*, QStringList> cases[] = {
        {0, "120", "8", "0", {"", "120.00", "8.00", "15.00"}},
        {11, "120", "10", "60", {"120.00", "10.00", "60.00", "720.662"}},
        {10, "2", "120", "0", {"2.00", "120.00", ".00", "240.00"}},
        {6, "10", "4", "0", {"", "10.00", "4.00", "2.50"}},
    };
    for (const auto& [index, a, b, theta, expected] : cases) {
        pick(index);
        calculate(QString::fromLatin1(a), QString::fromLatin1(b), QString::fromLatin1(theta));
        EXPECT_EQ(row(0), expected) << "formula " << index;
    }
    EXPECT_TRUE(errors.shown.empty());
}

// Every refused press tells the user exactly as designed and leaves the history untouched.
TEST_F(frmOhmsLawACTest, RefusedPressesShowTheirMessagesAndKeepTheHistory) {
    pick(4);
    calculate(QStringLiteral("1200"), QStringLiteral("10"));
    const QList<QStringList> before = rows();
    const QString zero = QStringLiteral("Can't Divide by zero!");
    const QString angle =
        QStringLiteral("Can't use an angle that makes cos(Theta) = 0 (i.e.90,270,450 ... etc)!");
    const std::tuple<const char*, const char*, const char*, QStringList> refusals[] = {
        {"", "10", "0", {"(P) input box can't be empty!"}},
        {"1", "", "0", {"(I) input box can't be empty!"}},
        {"1", "10", "", {"(Theta) input box can't be empty!"}},
        {"1", "0", "0", {zero}},
        {"1", "10", "270", {angle}},
        {"1", "0", "90", {angle, zero}}, // the angle first, then the divisor
        {".", "10", "0", {}},            // not a number: the shared reading message
    };
    for (const auto& [p, i, theta, texts] : refusals) {
        errors.shown.clear();
        calculate(QString::fromLatin1(p), QString::fromLatin1(i), QString::fromLatin1(theta));
        if (texts.isEmpty()) {
            EXPECT_EQ(errors.shown.size(), 1u);
        } else {
            ASSERT_EQ(errors.shown.size(), static_cast<std::size_t>(texts.size())) << p << i;
            for (qsizetype m = 0; m < texts.size(); ++m) {
                EXPECT_EQ(errors.shown[m].text, texts[m]);
                EXPECT_EQ(errors.shown[m].title, "Error!");
            }
        }
        EXPECT_EQ(rows(), before) << p << " / " << i << " / " << theta;
    }
}

TEST_F(frmOhmsLawACTest, KeyboardChoiceOfAFormulaActsLikeTheMouse) {
    child<QRadioButton>(QStringLiteral("optFormula_7"))->setChecked(true);
    EXPECT_EQ(row(3), (QStringList{"P(Watts)", "I(Amps)", "Theta", "Z(ohms)"}));
}

} // namespace
