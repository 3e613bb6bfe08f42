#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <string>

#include "common/GlobalSubs.h"
#include "common/ResultHistory.h"
#include "common/SystemColours.h"
#include "common/VoltageList.h"
#include "electrical/frm3PCurrent.h"
#include "electrical/frmEff.h"
#include "electrical/frmKVA.h"
#include "support/ClippedCells.h"
#include "support/ErrorRecorder.h"

namespace {

enum class Sheet { Current, Power, Efficiency };

std::unique_ptr<PowerSheet> open(Sheet sheet, bool threePhase) {
    GlobalSubs::ThreePhase = threePhase ? -1 : 0;
    switch (sheet) {
    case Sheet::Current:
        return std::make_unique<frm3PCurrent>();
    case Sheet::Power:
        return std::make_unique<frmKVA>();
    case Sheet::Efficiency:
        return std::make_unique<frmEff>();
    }
    return nullptr;
}

template <class T> T* child(const QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QString text(const QWidget& w, const char* label) {
    return child<QLabel>(w, label)->text();
}

// One press of a section: the voltage option, the entry texts in box order (unused slots left
// null) and the button. A plain array keeps the static tables free of heap members.
struct Press {
    const char* option;
    std::pair<const char*, const char*> entries[3];
    const char* calculate;
};

void press(const QWidget& w, const Press& p) {
    child<QRadioButton>(w, p.option)->setChecked(true);
    for (const auto& [box, value] : p.entries)
        if (box)
            child<QLineEdit>(w, box)->setText(QString::fromLatin1(value));
    QTest::mouseClick(child<QPushButton>(w, p.calculate), Qt::LeftButton);
}

QStringList newestRow(const QWidget& w, const std::vector<const char*>& columns, int row = 0) {
    QStringList texts;
    for (const char* c : columns)
        texts << text(w, (std::string(c) + '_' + std::to_string(row)).c_str());
    return texts;
}

TEST(PowerSheets, HeadingAndFormulasFollowTheSupplySystem) {
    struct Captions {
        Sheet sheet;
        bool threePhase;
        qint16 kind;
        std::vector<std::pair<const char*, const char*>> labels;
    };
    const Captions cases[] = {
        {Sheet::Current,
         true,
         FormKind::ThreePCurrent,
         {{"Label7", "3-Phase Current Calculations"},
          {"lblKVAFormula", "I=KVA*1000/(E*1.732)"},
          {"lblKWFormula", "I=KW*1000/(E*PF*1.732)"},
          {"lblHPFormula", "I=HPx746/(E*EF*PF*1.732)"}}},
        {Sheet::Current,
         false,
         FormKind::ThreePCurrent,
         {{"Label7", "Single-Phase Current Calculations"},
          {"lblKVAFormula", "I=KVA*1000/(E)"},
          {"lblKWFormula", "I=KW*1000/(E*PF)"},
          {"lblHPFormula", "I=HPx746/(E*EF*PF)"}}},
        {Sheet::Power,
         true,
         FormKind::KVA,
         {{"lblHeading", "3-Phase Power Calculations"},
          {"lblKVAFormula", "KVA=I*E*1.732/1000"},
          {"lblKWFormula", "KW=I*E*PF*1.732/1000"}}},
        {Sheet::Power,
         false,
         FormKind::KVA,
         {{"lblHeading", "Single-Phase Power Calculations"},
          {"lblKVAFormula", "KVA=I*E/1000"},
          {"lblKWFormula", "KW=I*E*PF/1000"}}},
        {Sheet::Efficiency,
         true,
         FormKind::Eff,
         {{"lblHeading", "3-Phase Efficiency & Power Factor Calculations"},
          {"lblEffFormula", "EFF=(HP*746/(E*I*PF*1.732)*100"},
          {"lblPFFormula", "PF=(HPx746/(E*I*1.732)*100"}}},
        {Sheet::Efficiency,
         false,
         FormKind::Eff,
         {{"lblHeading", "Single-Phase Efficiency & Power Factor Calculations"},
          {"lblEffFormula", "EFF=(HP*746/(E*I*PF)*100"},
          {"lblPFFormula", "PF=(HPx746/(E*I)*100"}}},
    };
    for (const Captions& c : cases) {
        const auto sheet = open(c.sheet, c.threePhase);
        EXPECT_EQ(GlobalSubs::CurrentFormKind, c.kind);
        for (const auto& [name, caption] : c.labels)
            EXPECT_EQ(text(*sheet, name), caption) << name;
        for (int s = 0; s < sheet->sectionCount(); ++s) {
            EXPECT_EQ(sheet->section(s)->voltage(), 115);
            EXPECT_TRUE(sheet->section(s)->voltageList()->option(0)->isChecked());
        }
    }
}

struct Calculation {
    Sheet sheet;
    bool threePhase;
    Press press;
    std::vector<const char*> columns;
    QStringList row;
};

const Calculation calculations[] = {
    {Sheet::Current,
     false,
     {"optVolts_2", {{"txtKVA", "10"}}, "cmdCalculate"},
     {"lblKVA", "lblVoltage", "lblAmps"},
     {"10.0", "230.0 (V)", "43.48 (A)"}},
    {Sheet::Current,
     true,
     {"optVoltsKW_1", {{"txtKW", "5"}, {"txtPFKW", "85"}}, "cmdCalculateKW"},
     {"lblKW", "lblPFKW", "lblVoltageKW", "lblAmpsKW"},
     {"5.0", "85.0 (%)", "208.0 (V)", "16.33 (A)"}},
    {Sheet::Current,
     true,
     {"optVoltsHP_3",
      {{"txtHP", "10"}, {"txtPFHP", "85"}, {"txtEfficiency", "90"}},
      "cmdCalculateHP"},
     {"lblHP", "lblEF", "lblPFHP", "lblVoltageHP", "lblAmpsHP"},
     {"10.0", "90.0 (%)", "85.0 (%)", "460.0 (V)", "12.24 (A)"}},
    {Sheet::Current,
     false,
     {"optVolts_0", {{"txtKVA", ""}}, "cmdCalculate"},
     {"lblKVA", "lblVoltage", "lblAmps"},
     {".0", "115.0 (V)", ".0 (A)"}},
    {Sheet::Power,
     true,
     {"optVolts_4", {{"txtAmps", "20"}}, "cmdCalculate"},
     {"lblVoltage", "lblAmps", "lblKVA"},
     {"480.0 (V)", "20.0 (A)", "16.63"}},
    {Sheet::Power,
     false,
     {"optVoltsKW_0", {{"txtAmpsKW", "10"}, {"txtPF", "80"}}, "cmdCalculateKW"},
     {"lblVoltageKW", "lblAmpsKW", "lblPF", "lblKW"},
     {"115.0 (V)", "10.0 (A)", "80.0 (%)", ".92"}},
    {Sheet::Power,
     true,
     {"optVoltsKW_4", {{"txtAmpsKW", "20"}, {"txtPF", ""}}, "cmdCalculateKW"},
     {"lblPF", "lblKW"},
     {".0 (%)", ".0"}},
    {Sheet::Efficiency,
     true,
     {"optVolts_3", {{"txtHP", "10"}, {"txtCurrent", "12"}, {"txtPF", "85"}}, "cmdCalculate"},
     {"lblHP", "lblAmps", "lblVoltage", "lblPF", "lblEff"},
     {"10.0", "12.0 (A)", "460.0 (V)", "85.0 (%)", "91.8 (%)"}},
    {Sheet::Efficiency,
     true,
     {"optVoltsPF_3", {{"txtHPPF", "10"}, {"txtAmpsPF", "12"}}, "cmdCalculatePF"},
     {"lblHPPF", "lblAmpsPF", "lblVoltagePF", "lblPFPF"},
     {"10.0", "12.0 (A)", "460.0 (V)", "78.03 (%)"}},
};

TEST(PowerSheets, CalculationsWriteTheDocumentedRows) {
    for (const Calculation& c : calculations) {
        ErrorRecorder errors;
        const auto sheet = open(c.sheet, c.threePhase);
        press(*sheet, c.press);
        EXPECT_TRUE(errors.shown.empty()) << c.press.calculate;
        EXPECT_EQ(newestRow(*sheet, c.columns), c.row) << c.press.option;
        // The grids are sized for such results, so they show whole within the window.
        EXPECT_EQ(clippedCells(*sheet), "") << c.press.calculate;
        for (const auto& [box, value] : c.press.entries) {
            if (box && QString::fromLatin1(value).isEmpty()) {
                EXPECT_EQ(child<QLineEdit>(*sheet, box)->text(), "0") << box;
            }
        }
    }
}

// The divisor tests keep their texts and titles; the refused press fills its empty boxes with
// "0" but writes no row, so the earlier result stays on top.
TEST(PowerSheets, RefusedPressesKeepTheHistory) {
    struct Refusal {
        Sheet sheet;
        Press good, bad;
        const char* column;
        const char* text; // null: the shared not-a-number message
        const char* title;
        const char* zeroedBox;
    };
    const Refusal cases[] = {
        {Sheet::Current,
         {"optVoltsKW_0", {{"txtKW", "5"}, {"txtPFKW", "85"}}, "cmdCalculateKW"},
         {"optVoltsKW_0", {{"txtKW", "5"}, {"txtPFKW", ""}}, "cmdCalculateKW"},
         "lblAmpsKW",
         "Can't Divide by zero!",
         "Error",
         "txtPFKW"},
        {Sheet::Current,
         {"optVoltsHP_0",
          {{"txtHP", "1"}, {"txtPFHP", "85"}, {"txtEfficiency", "90"}},
          "cmdCalculateHP"},
         {"optVoltsHP_0",
          {{"txtHP", "1"}, {"txtPFHP", "85"}, {"txtEfficiency", ""}},
          "cmdCalculateHP"},
         "lblAmpsHP",
         "Can't Divide by zero!",
         "Error",
         "txtEfficiency"},
        {Sheet::Efficiency,
         {"optVolts_0", {{"txtHP", "2"}, {"txtCurrent", "8"}, {"txtPF", "90"}}, "cmdCalculate"},
         {"optVolts_0", {{"txtHP", "2"}, {"txtCurrent", ""}, {"txtPF", "90"}}, "cmdCalculate"},
         "lblEff",
         "Can't Divide by Zero!",
         "Error",
         "txtCurrent"},
        {Sheet::Efficiency,
         {"optVoltsPF_0", {{"txtHPPF", "2"}, {"txtAmpsPF", "8"}}, "cmdCalculatePF"},
         {"optVoltsPF_0", {{"txtHPPF", ""}, {"txtAmpsPF", ""}}, "cmdCalculatePF"},
         "lblPFPF",
         "Can't Divide by Zero!",
         "Error",
         "txtHPPF"},
        {Sheet::Power,
         {"optVolts_0", {{"txtAmps", "20"}}, "cmdCalculate"},
         {"optVolts_0", {{"txtAmps", "1.2.3"}}, "cmdCalculate"},
         "lblKVA",
         nullptr,
         "Error",
         nullptr},
        {Sheet::Power,
         {"optVoltsKW_0", {{"txtAmpsKW", "20"}, {"txtPF", "80"}}, "cmdCalculateKW"},
         {"optVoltsKW_0", {{"txtAmpsKW", "."}, {"txtPF", ""}}, "cmdCalculateKW"},
         "lblKW",
         nullptr,
         "Error",
         "txtPF"}, // the power factor is read, and zeroed, before the current
        {Sheet::Current,
         {"optVolts_0", {{"txtKVA", "1"}}, "cmdCalculate"},
         {"optVolts_0", {{"txtKVA", "1e306"}}, "cmdCalculate"},
         "lblAmps",
         nullptr,
         "Error",
         nullptr},
    };
    for (const Refusal& c : cases) {
        ErrorRecorder errors;
        const auto sheet = open(c.sheet, true);
        press(*sheet, c.good);
        const QStringList before = newestRow(*sheet, {c.column});
        for (int i = 0; i < 3; ++i)
            press(*sheet, c.bad);
        ASSERT_EQ(errors.shown.size(), 3u) << c.bad.calculate;
        if (c.text) {
            EXPECT_EQ(errors.shown[0].text, c.text);
        }
        EXPECT_EQ(errors.shown[0].title, c.title);
        EXPECT_EQ(newestRow(*sheet, {c.column}), before) << c.column;
        EXPECT_EQ(newestRow(*sheet, {c.column}, 1), QStringList{""}) << c.column;
        if (c.zeroedBox) {
            EXPECT_EQ(child<QLineEdit>(*sheet, c.zeroedBox)->text(), "0");
        }
        for (int r = 0; r < 3; ++r) {
            const QString shown = newestRow(*sheet, {c.column}, r).front();
            EXPECT_FALSE(shown.contains(u"inf") || shown.contains(u"nan"));
        }
    }
}

TEST(PowerSheets, SectionsAreIndependent) {
    const auto sheet = open(Sheet::Current, true);
    press(*sheet, {"optVolts_3", {{"txtKVA", "10"}}, "cmdCalculate"});
    press(*sheet, {"optVoltsKW_0", {{"txtKW", "5"}, {"txtPFKW", "85"}}, "cmdCalculateKW"});
    EXPECT_EQ(sheet->section(0)->voltage(), 460);
    EXPECT_EQ(sheet->section(1)->voltage(), 115);
    EXPECT_EQ(sheet->section(2)->voltage(), 115);
    QTest::mouseClick(child<QPushButton>(*sheet, "cmdClearKW"), Qt::LeftButton);
    EXPECT_EQ(text(*sheet, "lblAmpsKW_0"), "");
    EXPECT_EQ(text(*sheet, "lblAmps_0"), "12.55 (A)");
    QTest::mouseClick(child<QPushButton>(*sheet, "cmdClear"), Qt::LeftButton);
    EXPECT_EQ(text(*sheet, "lblAmps_0"), "");
    EXPECT_EQ(text(*sheet, "label2_2"), "I(Amperes)");
    EXPECT_EQ(child<QLineEdit>(*sheet, "txtKVA")->text(), "10");
    EXPECT_EQ(sheet->section(0)->voltage(), 460);
}

TEST(PowerSheets, EnterInAnEntryCalculatesItsOwnSection) {
    const auto sheet = open(Sheet::Efficiency, true);
    auto* hp = child<QLineEdit>(*sheet, "txtHPPF");
    hp->setText(QStringLiteral("10"));
    child<QLineEdit>(*sheet, "txtAmpsPF")->setText(QStringLiteral("12"));
    QTest::keyClick(hp, Qt::Key_Return);
    EXPECT_EQ(text(*sheet, "lblPFPF_0"), "312.11 (%)");
    EXPECT_EQ(text(*sheet, "lblEff_0"), "");
}

TEST(PowerSheets, EfficiencyAndHorsepowerCellsTakeTheFrameColour) {
    const auto sheet = open(Sheet::Efficiency, true);
    const QColor frame = systemColour(SystemColour::WindowFrame);
    for (const char* name : {"lblEff_0", "lblHP_0"}) {
        const QPalette p = child<QLabel>(*sheet, name)->palette();
        EXPECT_EQ(p.color(QPalette::Window), frame) << name;
        EXPECT_EQ(p.color(QPalette::WindowText), NewestRowText) << name;
    }
    for (const char* name : {"lblPF_0", "lblPFPF_0"})
        EXPECT_EQ(child<QLabel>(*sheet, name)->palette().color(QPalette::Window),
                  NewestRowBackground)
            << name;
}

} // namespace
