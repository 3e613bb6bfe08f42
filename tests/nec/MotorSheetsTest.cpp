#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "common/OptionFrame.h"
#include "common/ResultCopy.h"
#include "common/StepsView.h"
#include "nec/frmMotorBranchCircuit.h"
#include "nec/frmTransformerProtection.h"
#include "support/ErrorRecorder.h"

// The motor branch circuit and transformer sheets against the shipped database.
namespace {

template <class Sheet> class Driver {
public:
    Driver() : sheet(std::make_unique<Sheet>()) {}

    template <class T> T* child(const QString& name) const {
        T* w = sheet->template findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString text(const QString& label) const { return child<QLabel>(label)->text(); }
    void pick(const QString& option) const { child<QRadioButton>(option)->click(); }
    void type(const QString& box, const QString& text) const {
        child<QLineEdit>(box)->setText(text);
    }
    void press() const { child<QPushButton>("cmdCalculate")->click(); }
    QStringList options(const QString& frame) const {
        return child<OptionFrame>(frame)->captions();
    }
    QString chosen(const QString& frame) const {
        const auto* f = child<OptionFrame>(frame);
        return f->captions().value(f->chosen());
    }
    QStringList answers(const QStringList& names) const {
        QStringList out;
        for (const QString& name : names)
            out << text(name);
        return out;
    }
    QStringList historyRow(int row) const {
        QStringList cells;
        for (const char* column : {"lblHp", "lblVolts", "lblFlc", "lblConductor", "lblDevice"})
            cells << text(QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(row));
        return cells;
    }
    QStringList steps() const { return child<StepsView>({})->steps(); }

    std::unique_ptr<Sheet> sheet;
};

using Motor = Driver<frmMotorBranchCircuit>;
using Transformer = Driver<frmTransformerProtection>;

const QStringList MotorAnswers{"lblFullLoadCurrent", "lblConductorAmpacity", "lblConductorSize",
                               "lblDevicePercent",   "lblDeviceMaximum",     "lblDeviceRating",
                               "lblOverload",        "lblGroundingConductor"};
const QStringList TransformerAnswers{"lblPrimaryCurrent",   "lblSecondaryCurrent",
                                     "lblPrimaryMaximum",   "lblPrimaryRating",
                                     "lblSecondaryMaximum", "lblSecondaryRating"};

QStringList horsepowers(const Motor& m) {
    QStringList out;
    const auto* box = m.child<QComboBox>("cboHorsepower");
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

TEST(frmMotorBranchCircuit, EachSupplyOffersItsTablesVoltagesRowsAndMotorTypes) {
    ErrorRecorder errors;
    Motor m;
    EXPECT_EQ(m.text("lblHeading"), "Motor Branch Circuit");
    EXPECT_EQ(m.options("fraSupply"), (QStringList{"Single phase", "Three phase", "DC"}));
    EXPECT_EQ(m.chosen("fraSupply"), "Three phase");
    EXPECT_EQ(m.options("fraDevice"),
              (QStringList{"Nontime-delay fuse", "Dual-element fuse", "Instantaneous trip breaker",
                           "Inverse time breaker"}));
    EXPECT_EQ(m.chosen("fraDevice"), "Inverse time breaker");
    EXPECT_EQ(m.options("fraConductor"), (QStringList{"Copper", "Aluminum"}));
    EXPECT_EQ(m.chosen("fraConductor"), "Copper");
    for (const char* part : {"Table 430.247", "Table 430.248", "Table 430.250", "430.52(C)(1)",
                             "430.32(A)(1)", "Table 250.122", "Table 310.16", "Table 240.6(A)"})
        EXPECT_TRUE(m.text("lblSources").contains(part)) << part;

    const QStringList ac{"1/4",   "1/3", "1/2", "3/4", "1",  "1 1/2", "2",  "3",  "5",
                         "7 1/2", "10",  "15",  "20",  "25", "30",    "40", "50", "60"};
    const struct {
        const char* supply;
        QStringList voltages, types, horsepowers;
    } cases[] = {
        {"optSupply_0", {"115V", "230V"}, {"Single-phase"}, QStringList{"1/6"} + ac.mid(0, 11)},
        {"optSupply_2",
         {"115V", "230V"},
         {"DC (constant voltage)"},
         {"1 ", "1 1/2", "2", "3", "5", "7 1/2", "10", "15", "20", "25", "30", "40", "50", "60",
          "75", "100"}},
        {"optSupply_1",
         {"208V", "230V", "460V", "575V"},
         {"Squirrel cage", "Design B energy-efficient", "Synchronous", "Wound rotor"},
         ac},
    };
    for (const auto& c : cases) {
        m.pick(c.supply);
        EXPECT_EQ(m.options("fraVoltage"), c.voltages) << c.supply;
        EXPECT_EQ(m.chosen("fraVoltage"), c.voltages.front()) << c.supply;
        EXPECT_EQ(m.options("fraMotorType"), c.types) << c.supply;
        EXPECT_EQ(m.chosen("fraMotorType"), c.types.front()) << c.supply;
        EXPECT_EQ(horsepowers(m), c.horsepowers) << c.supply;
    }
    EXPECT_TRUE(errors.shown.empty());
}

TEST(frmMotorBranchCircuit, WorkedCircuitsShowEveryAnswerWithItsRule) {
    ErrorRecorder errors;
    Motor m;
    auto* hp = m.child<QComboBox>("cboHorsepower");
    // 10 hp, 460 V, three phase, squirrel cage, inverse time breaker, no nameplate current.
    hp->setCurrentText("10");
    m.pick("optVoltage_2");
    m.press();
    EXPECT_EQ(m.answers(MotorAnswers),
              (QStringList{"14.00", "17.50", "14 AWG", "250", "35.00", "35.00", "—", "10 AWG"}));
    EXPECT_EQ(m.historyRow(0), (QStringList{"10", "460V", "14.00", "14 AWG", "35.00"}));
    EXPECT_EQ(m.steps().value(0), "Table 430.250, 10 hp, 460V: full-load current 14.00 A");
    EXPECT_TRUE(
        m.steps().contains("250.122(A): need not be larger than the 14 AWG circuit conductors"));
    EXPECT_FALSE(m.child<QLabel>("lblTypical")->isVisibleTo(m.sheet.get()));

    // The nameplate current gives the overload; an instantaneous trip breaker is set, not rated.
    m.type("txtNameplate", "13");
    m.child<QCheckBox>("chkServiceFactor")->setChecked(true);
    m.pick("optDevice_2");
    m.press();
    EXPECT_EQ(m.answers(MotorAnswers), (QStringList{"14.00", "17.50", "14 AWG", "800", "112.00",
                                                    "setting", "16.25", "10 AWG"}));
    EXPECT_EQ(m.historyRow(0).value(4), "setting");

    // A typical current carries the mark and the footnote.
    hp->setCurrentText("1/4");
    m.pick("optVoltage_0");
    m.press();
    EXPECT_EQ(m.text("lblFullLoadCurrent"), "1.10*");
    EXPECT_EQ(m.historyRow(0).value(2), "1.10*");
    EXPECT_TRUE(m.steps().contains("* typical value, not a code value"));
    EXPECT_TRUE(m.child<QLabel>("lblTypical")->isVisibleTo(m.sheet.get()));
    EXPECT_TRUE(errors.shown.empty());
}

// A refused press tells why and leaves the answers, the steps and the history as they were.
TEST(frmMotorBranchCircuit, RefusalsTellWhyAndWriteNothing) {
    const struct {
        const char* supply;
        const char* horsepower;
        const char* nameplate;
        const char* message;
    } cases[] = {
        {"optSupply_2", "15", "", "Table 430.247 gives no full-load current for 15 hp at 115V."},
        {"optSupply_1", "10", "0", "The nameplate current must be a number above 0."},
        {"optSupply_1", "10", "1.2.3",
         "\"1.2.3\" in the Nameplate current (A) box is not a number.\n"
         "Type digits with at most one decimal point, then calculate again."},
    };
    for (const auto& c : cases) {
        ErrorRecorder errors;
        Motor m;
        m.press(); // 1/4 hp at 208V
        const QStringList answers = m.answers(MotorAnswers);
        const QStringList steps = m.steps();
        m.pick(c.supply);
        m.child<QComboBox>("cboHorsepower")->setCurrentText(c.horsepower);
        m.type("txtNameplate", c.nameplate);
        m.press();
        ASSERT_EQ(errors.shown.size(), 1u) << c.message;
        EXPECT_EQ(errors.shown[0].text, c.message);
        EXPECT_EQ(errors.shown[0].title, "Error");
        EXPECT_EQ(m.answers(MotorAnswers), answers) << c.message;
        EXPECT_EQ(m.steps(), steps) << c.message;
        EXPECT_EQ(m.historyRow(0).value(0), "1/4") << c.message;
        EXPECT_EQ(m.historyRow(1), QStringList(5)) << c.message;
    }
}

TEST(frmMotorBranchCircuit, HistoryKeepsThreeNewestFirstAndClearEmptiesTheSheet) {
    ErrorRecorder errors;
    Motor m;
    auto* hp = m.child<QComboBox>("cboHorsepower");
    for (const char* horsepower : {"1", "2", "3", "5"}) {
        hp->setCurrentText(horsepower);
        m.press();
    }
    EXPECT_EQ(m.historyRow(0), (QStringList{"5", "208V", "16.70", "12 AWG", "45.00"}));
    EXPECT_EQ(m.historyRow(1).value(0), "3");
    EXPECT_EQ(m.historyRow(2).value(0), "2");

    // Ctrl+C copies the answers and the steps.
    installResultCopy(m.sheet.get());
    m.sheet->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m.sheet.get()));
    m.child<QPushButton>("cmdCalculate")->setFocus();
    QTest::keySequence(m.child<QPushButton>("cmdCalculate"), QKeySequence::Copy);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains("Full-load current (A)\t16.70")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("Steps\nTable 430.250, 5 hp, 208V")) << copied.toStdString();

    m.type("txtNameplate", "15");
    m.child<QPushButton>("cmdClear")->click();
    EXPECT_EQ(m.answers(MotorAnswers), QStringList(MotorAnswers.size()));
    EXPECT_TRUE(m.steps().isEmpty());
    EXPECT_EQ(m.historyRow(0), QStringList(5));
    EXPECT_EQ(m.child<QLineEdit>("txtNameplate")->text(), "");
    EXPECT_TRUE(errors.shown.empty());
}

TEST(frmTransformerProtection, WorkedProtectionAndRefusals) {
    ErrorRecorder errors;
    Transformer t;
    EXPECT_EQ(t.text("lblHeading"), "Transformer Protection");
    EXPECT_EQ(t.options("fraPhases"), (QStringList{"Single phase", "Three phase"}));
    EXPECT_EQ(t.chosen("fraPhases"), "Three phase");
    EXPECT_EQ(t.options("fraProtection"), (QStringList{"Primary only", "Primary and secondary"}));
    EXPECT_EQ(t.chosen("fraProtection"), "Primary only");
    EXPECT_EQ(t.options("fraDevice"), (QStringList{"Fuse", "Circuit breaker"}));
    EXPECT_EQ(t.chosen("fraDevice"), "Fuse");

    t.type("txtKva", "75");
    t.type("txtPrimaryVolts", "480");
    t.type("txtSecondaryVolts", "208");
    t.press();
    EXPECT_EQ(t.answers(TransformerAnswers),
              (QStringList{"90.21", "208.19", "112.77", "125.00", "not required", "not required"}));
    t.pick("optProtection_1");
    t.pick("optDevice_1");
    t.press();
    EXPECT_EQ(t.answers(TransformerAnswers),
              (QStringList{"90.21", "208.19", "225.53", "225.00", "260.23", "300.00"}));
    // Below the smallest rating a breaker may take: no standard rating fits.
    t.type("txtKva", "0.1");
    t.type("txtSecondaryVolts", "120");
    t.press();
    EXPECT_EQ(t.text("lblPrimaryRating"), "—");
    EXPECT_TRUE(errors.shown.empty());
    const QStringList kept = t.answers(TransformerAnswers);

    const struct {
        const char* box;
        const char* text;
        const char* message;
    } refusals[] = {
        {"txtKva", "", "The kVA box is empty.\nType a number into it, then calculate again."},
        {"txtPrimaryVolts", "0", "The primary voltage must be a number above 0."},
    };
    for (const auto& c : refusals) {
        errors.shown.clear();
        const QString before = t.child<QLineEdit>(c.box)->text();
        t.type(c.box, c.text);
        t.press();
        ASSERT_EQ(errors.shown.size(), 1u) << c.message;
        EXPECT_EQ(errors.shown[0].text, c.message);
        EXPECT_EQ(t.answers(TransformerAnswers), kept) << c.message;
        t.type(c.box, before);
    }
}

} // namespace
