#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "common/DrawingView.h"
#include "common/GlobalSubs.h"
#include "electrical/frmCapacitor.h"
#include "electrical/frmResistor.h"
#include "support/ErrorRecorder.h"

namespace {

class frmResistorTest : public ::testing::Test {
protected:
    frmResistor sheet;
    ErrorRecorder errors;

    void SetUp() override { sheet.show(); }

    template <class T> T* child(const QString& name) {
        T* w = sheet.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit* entry(int i) { return child<QLineEdit>(QStringLiteral("txtRn_%1").arg(i)); }
    QString result(int i) {
        return child<QLineEdit>(QStringLiteral("txtRtotal_%1").arg(i))->text();
    }
    QString text(const QString& label) { return child<QLabel>(label)->text(); }
    void pick(int mode) { child<QRadioButton>(QStringLiteral("optSorP_%1").arg(mode))->click(); }
    void type(int i, const QString& value) { QTest::keyClicks(entry(i), value); }
    void calculate() { QTest::keyClick(entry(0), Qt::Key_Return); }
};

TEST_F(frmResistorTest, EachModeHasItsLayoutAndOnePicture) {
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::Resistor);
    struct Mode {
        const char* picture;
        bool allEntries;
        QStringList captions, answers, formulas;
    };
    const Mode modes[] = {
        {"picSeries", true, {"R1 =", "R2 =", "R3 ="}, {"Rtotal"}, {"", "", "Rtotal="}},
        {"picParallel", true, {"R1 =", "R2 =", "R3 ="}, {"Rtotal"}, {"", "", "Rtotal="}},
        {"picDtoY",
         false,
         {"Ra =", "Rb =", "Rc ="},
         {"R1", "R2", "R3"},
         {"R1=((Ra*Rb)/(Ra+Rb+Rc)", "R2=((Rb*Rc)/(Ra+Rb+Rc)", "R3=((Ra*Rc)/(Ra+Rb+Rc)"}},
        {"picYtoD",
         false,
         {"R1 =", "R2 =", "R3 ="},
         {"Ra", "Rb", "Rc"},
         {"Ra=((R1*R2) + (R2*R3) + (R1*R3))/R2", "Rb=((R1*R2) + (R2*R3) + (R1*R3))/R3",
          "Rc=((R1*R2) + (R2*R3) + (R1*R3))/R1"}},
    };
    const QStringList pictures{"picSeries", "picParallel", "picDtoY", "picYtoD"};
    const int order[] = {0, 1, 2, 3, 0}; // the sheet opens in series mode
    for (int step = 0; step < 5; ++step) {
        const int m = order[step];
        if (step > 0)
            pick(m);
        const Mode& mode = modes[m];
        for (const QString& picture : pictures)
            EXPECT_EQ(child<DrawingView>(picture)->isVisible(), picture == mode.picture) << m;
        for (int i = 3; i < 12; ++i)
            EXPECT_EQ(entry(i)->isVisible(), mode.allEntries) << m << " entry " << i;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(text(QStringLiteral("Label1_%1").arg(i)), mode.captions[i]);
            EXPECT_EQ(text(QStringLiteral("lblFormula1_%1").arg(i)), mode.formulas[i]);
            const auto* answer = child<QLabel>(QStringLiteral("lblAnswer_%1").arg(i));
            EXPECT_EQ(answer->isVisible(), i < mode.answers.size()) << m;
            if (i < mode.answers.size()) {
                EXPECT_EQ(answer->text(), mode.answers[i]);
            }
        }
    }
}

TEST_F(frmResistorTest, ParallelReportsAndEmptiesEachZeroEntry) {
    pick(1);
    type(0, "0");
    type(1, "100");
    type(6, "0");
    calculate();
    ASSERT_EQ(errors.shown.size(), 2u);
    EXPECT_EQ(errors.shown[0].text, "Can't Divide by Zero!");
    EXPECT_EQ(errors.shown[0].title, "Error");
    EXPECT_TRUE(entry(0)->text().isEmpty());
    EXPECT_TRUE(entry(6)->text().isEmpty());
    EXPECT_EQ(result(0), "100.00");
    EXPECT_EQ(text("lblFormula"), "1/(1/R2)");
    EXPECT_EQ(child<QLineEdit>("txtRtotal_0")->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST_F(frmResistorTest, RefusedCalculationsKeepThePreviousResults) {
    pick(3);
    for (int i = 0; i < 3; ++i)
        type(i, QString::number(10 * (i + 1)));
    calculate();
    EXPECT_EQ((QStringList{result(0), result(1), result(2)}),
              (QStringList{"55.00", "36.667", "110.00"}));
    struct Case {
        int mode;
        std::array<const char*, 3> given;
        const char* message; // start of the message shown
    };
    const Case cases[] = {
        {3, {"10", "0", "30"}, "Can't Divide by Zero!"},
        {3, {"10", "", "30"}, "Can't Divide by Zero!"},
        {2, {"0", "0", "0"}, "Can't Divide by Zero!"},
        {2, {"1.2.3", "1", "1"}, "\"1.2.3\" in the Ra box is not a number."},
        {1, {".", "", ""}, "\".\" in the R1 box is not a number."},
    };
    for (const Case& c : cases) {
        pick(c.mode);
        for (int i = 0; i < 3; ++i)
            entry(i)->setText(QLatin1String(c.given[i]));
        errors.shown.clear();
        calculate();
        ASSERT_EQ(errors.shown.size(), 1u) << c.message;
        EXPECT_TRUE(errors.shown[0].text.startsWith(QLatin1String(c.message)))
            << errors.shown[0].text.toStdString();
        EXPECT_EQ(result(0), "55.00");
    }
}

TEST_F(frmResistorTest, SeriesOverflowIsRefusedAndClearKeepsTheMode) {
    for (int i = 0; i < 12; ++i)
        entry(i)->setText(QStringLiteral("1") + QString(308, u'0'));
    calculate();
    ASSERT_EQ(errors.shown.size(), 1u);
    EXPECT_TRUE(result(0).isEmpty());
    EXPECT_TRUE(text("lblFormula").isEmpty());

    pick(2);
    for (int i = 0; i < 3; ++i)
        entry(i)->setText(QStringLiteral("10"));
    calculate();
    EXPECT_EQ(result(0), "3.333");
    child<QPushButton>("cmdClear")->click();
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(entry(i)->text().isEmpty());
    EXPECT_TRUE(result(0).isEmpty());
    EXPECT_EQ(text("lblFormula1_0"), "R1=((Ra*Rb)/(Ra+Rb+Rc)");
}

// Each filled box is read once, strictly, for both the zero test and the sum; a box that is not a
// number stops the press with a message naming it, and an empty box is left out. The first entry
// is pasted, the second holds 20.
TEST(NetworkSheets, ReadEachFilledBoxOnce) {
    struct Sheet {
        qint16 capacitorMode; // -1 capacitors, 0 inductors; unused for resistors
        bool resistors;
        int circuit; // optSorP index
        bool reciprocal;
        char letter;
    };
    const Sheet sheets[] = {
        {0, true, 0, false, 'R'},   {0, true, 1, true, 'R'},   {-1, false, 0, true, 'C'},
        {-1, false, 1, false, 'C'}, {0, false, 0, false, 'L'}, {0, false, 1, true, 'L'},
    };
    struct Case {
        const char* pasted;
        std::array<const char*, 2> totals; // direct, reciprocal; none when refused
        std::array<const char*, 2> formulas;
    };
    const Case cases[] = {
        {" 5", {"25.00", "4.00"}, {"X1 + X2", "1/(1/X1 + 1/X2)"}},
        {"1e3", {"1020.00", "19.608"}, {"X1 + X2", "1/(1/X1 + 1/X2)"}},
        {"", {"20.00", "20.00"}, {"X2", "1/(1/X2)"}},
        {"12abc", {}, {}},
        {".", {}, {}},
    };
    ErrorRecorder errors;
    for (const Sheet& s : sheets) {
        GlobalSubs::CapacitorMode = s.capacitorMode;
        std::unique_ptr<QWidget> sheet;
        if (s.resistors)
            sheet = std::make_unique<frmResistor>();
        else
            sheet = std::make_unique<frmCapacitor>();
        sheet->show();
        const QString box = s.resistors ? QStringLiteral("txtRn_") : QStringLiteral("txtCn_");
        auto entry = [&](int i) { return sheet->findChild<QLineEdit*>(box + QString::number(i)); };
        auto* total = sheet->findChild<QLineEdit*>(s.resistors ? "txtRtotal_0" : "txtCtotal_0");
        auto* formula = sheet->findChild<QLabel*>("lblFormula");
        auto* calculate = sheet->findChild<QPushButton*>("cmdCalculate");
        sheet->findChild<QRadioButton*>(QStringLiteral("optSorP_%1").arg(s.circuit))->click();
        for (const Case& c : cases) {
            const std::string where = std::string(1, s.letter) + " circuit " +
                                      std::to_string(s.circuit) + " \"" + c.pasted + '"';
            entry(0)->clear();
            entry(1)->setText(QStringLiteral("20"));
            calculate->click();
            const QString before = total->text(), beforeFormula = formula->text();
            errors.shown.clear();
            entry(0)->setText(QLatin1String(c.pasted));
            calculate->click();
            const char* expected = c.totals[s.reciprocal];
            if (!expected) {
                ASSERT_EQ(errors.shown.size(), 1u) << where;
                EXPECT_EQ(errors.shown[0].text,
                          QStringLiteral("\"%1\" in the %2 box is not a number.\n"
                                         "Type digits with at most one decimal point, then "
                                         "calculate again.")
                              .arg(QLatin1String(c.pasted), QChar(s.letter) + QStringLiteral("1")))
                    << where;
                EXPECT_EQ(total->text(), before) << where;
                EXPECT_EQ(formula->text(), beforeFormula) << where;
                continue;
            }
            EXPECT_TRUE(errors.shown.empty()) << where;
            EXPECT_EQ(total->text(), expected) << where;
            EXPECT_EQ(formula->text(), QString(c.formulas[s.reciprocal]).replace('X', s.letter))
                << where;
        }
    }
}

} // namespace
