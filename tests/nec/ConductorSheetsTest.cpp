#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <memory>

#include "common/Messages.h"
#include "nec/frmConductorAmpacity.h"
#include "nec/frmVoltageDrop.h"
#include "support/ErrorRecorder.h"
#include "support/LiveSheets.h"

// The conductor ampacity and voltage-drop sheets against the shipped database, driven by their
// controls' names as a user would drive them.
namespace {

enum class Kind { Ampacity, Drop };

// A sheet and the few things a test does with it.
class Sheet {
public:
    explicit Sheet(Kind kind)
        : m_widget(kind == Kind::Ampacity ? static_cast<QWidget*>(new frmConductorAmpacity)
                                          : new frmVoltageDrop),
          m_history(kind == Kind::Ampacity
                        ? QStringList{"lblHistorySize", "lblHistoryConductor",
                                      "lblHistoryAllowable", "lblHistoryDevice"}
                        : QStringList{"lblHistorySize", "lblHistoryLength", "lblHistoryCurrent",
                                      "lblHistoryDropVolts", "lblHistoryDropPercent"}) {}

    template <class T> T* get(const QString& name) const {
        T* w = m_widget->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    // "txt..." = text into an entry, "opt..." / "chk..." = a click, "cbo" = a size.
    void set(const QString& name, const QString& text = {}) const {
        if (name.startsWith(u"txt"))
            get<QLineEdit>(name)->setText(text);
        else if (name == u"cboSize")
            size()->setCurrentText(text);
        else
            get<QAbstractButton>(name)->click();
    }
    void calculate() const { get<QPushButton>(QStringLiteral("cmdCalculate"))->click(); }
    void clear() const { get<QPushButton>(QStringLiteral("cmdClear"))->click(); }
    QComboBox* size() const { return get<QComboBox>(QStringLiteral("cboSize")); }
    QStringList sizes() const {
        QStringList out;
        for (int i = 0; i < size()->count(); ++i)
            out << size()->itemText(i);
        return out;
    }
    QString text(const QString& label) const { return get<QLabel>(label)->text(); }
    QStringList row(int r) const {
        QStringList cells;
        for (const QString& column : m_history)
            cells << text(column + u'_' + QString::number(r));
        return cells;
    }
    // Every answer value and every history cell, to see that a refusal touched nothing.
    QStringList shown() const {
        QStringList out;
        for (const QLabel* l : m_widget->findChildren<QLabel*>())
            out << l->objectName() + u'=' + l->text();
        return out << get<QPlainTextEdit>(QStringLiteral("txtSteps"))->toPlainText();
    }
    QWidget* widget() const { return m_widget.get(); }

private:
    std::unique_ptr<QWidget> m_widget;
    QStringList m_history;
};

using Givens = std::vector<std::pair<const char*, const char*>>;

void apply(const Sheet& s, const Givens& givens) {
    for (const auto& [name, text] : givens)
        s.set(QString::fromLatin1(name), QString::fromUtf8(text));
}

// --- Lists and option effects ------------------------------------------------------------------

struct ListCase {
    Kind kind;
    const char* metal; // the option clicked, or null for the list at load
    const char* first;
    const char* last;
    const char* chosen; // after 14 AWG was chosen and the metal clicked
};

TEST(ConductorSheets, SizeListsComeFromTheTablesAndAluminumStartsAt12) {
    const ListCase cases[] = {
        {Kind::Ampacity, nullptr, "14 AWG", "2000 kcmil", "14 AWG"},
        {Kind::Ampacity, "optConductor_1", "12 AWG", "2000 kcmil", "12 AWG"},
        {Kind::Drop, nullptr, "14 AWG", "1000 kcmil", "14 AWG"},
        {Kind::Drop, "optConductor_1", "12 AWG", "1000 kcmil", "12 AWG"},
    };
    for (const ListCase& c : cases) {
        const Sheet s(c.kind);
        const std::string where = c.metal ? c.metal : "load";
        EXPECT_EQ(s.size()->currentText(), "12 AWG") << where;
        s.set(QStringLiteral("cboSize"), QStringLiteral("14 AWG"));
        if (c.metal)
            s.set(QString::fromLatin1(c.metal));
        const QStringList sizes = s.sizes();
        ASSERT_FALSE(sizes.isEmpty()) << where;
        EXPECT_EQ(sizes.first(), c.first) << where;
        EXPECT_EQ(sizes.last(), c.last) << where;
        EXPECT_TRUE(sizes.contains("1/0 AWG") && sizes.contains("250 kcmil")) << where;
        EXPECT_EQ(s.size()->currentText(), c.chosen) << where;
    }
    // Back to copper, a size both metals have stays chosen.
    const Sheet s(Kind::Ampacity);
    s.set(QStringLiteral("optConductor_1"));
    s.set(QStringLiteral("cboSize"), QStringLiteral("4/0 AWG"));
    s.set(QStringLiteral("optConductor_0"));
    EXPECT_EQ(s.size()->currentText(), "4/0 AWG");
}

struct EnabledCase {
    Kind kind;
    const char* option; // clicked first, or null
    std::vector<std::pair<const char*, bool>> enabled;
};

TEST(ConductorSheets, ControlsAreEnabledOnlyWhereTheChoiceUsesThem) {
    const EnabledCase cases[] = {
        {Kind::Ampacity,
         nullptr,
         {{"cboSize", true}, {"txtLoad", false}, {"chkContinuous", false}}},
        {Kind::Ampacity,
         "optFind_1",
         {{"cboSize", false}, {"txtLoad", true}, {"chkContinuous", true}}},
        {Kind::Drop,
         nullptr,
         {{"fraRaceway", true},
          {"txtPowerFactor", true},
          {"cboSize", true},
          {"txtLength", true},
          {"txtMaxDrop", false}}},
        {Kind::Drop, "optSystem_2", {{"fraRaceway", false}, {"txtPowerFactor", false}}},
        {Kind::Drop, "optSystem_1", {{"fraRaceway", true}, {"txtPowerFactor", true}}},
        {Kind::Drop, "optFind_1", {{"cboSize", false}, {"txtMaxDrop", true}}},
        {Kind::Drop, "optFind_2", {{"cboSize", true}, {"txtLength", false}, {"txtMaxDrop", true}}},
    };
    for (const EnabledCase& c : cases) {
        const Sheet s(c.kind);
        if (c.option)
            s.set(QString::fromLatin1(c.option));
        for (const auto& [name, on] : c.enabled)
            EXPECT_EQ(s.get<QWidget>(QString::fromLatin1(name))->isEnabled(), on)
                << (c.option ? c.option : "load") << ' ' << name;
    }
}

// --- Worked calculations ------------------------------------------------------------------------

struct WorkedCase {
    const char* what;
    Kind kind;
    Givens givens;
    Givens answers; // value label -> text
    QStringList historyRow;
    const char* step; // a line the steps must hold
};

TEST(ConductorSheets, WorkedCalculationsShowAnswersStepsAndAHistoryRow) {
    const WorkedCase cases[] = {
        {"12 AWG, 90°C, 40 °C, 6 conductors",
         Kind::Ampacity,
         {{"optInsulation_2", ""}, {"txtAmbient", "40"}, {"txtConductors", "6"}},
         {{"lblTableAmpacity", "30.0"},
          {"lblAmbientCorrection", "0.91"},
          {"lblAdjustment", "0.80"},
          {"lblCorrectedAmpacity", "21.84"},
          {"lblTerminationLimit", "25.0"},
          {"lblAllowableAmpacity", "21.84"},
          {"lblMaximumDevice", "20"},
          {"lblConductorSize", "12 AWG"},
          {"lblGovernedBy", "correction factors"}},
         {"12 AWG", "Copper 90°C", "21.84", "20"},
         "240.4(D), 12 AWG copper: not more than 20 A"},
        {"the same in °F",
         Kind::Ampacity,
         {{"optInsulation_2", ""}, {"optAmbientUnit_1", ""}, {"txtAmbient", "104"}},
         {{"lblAmbientCorrection", "0.91"}, {"lblCorrectedAmpacity", "27.3"}},
         {"12 AWG", "Copper 90°C", "25.0", "20"},
         "Table 310.15(B)(1)(1), 104 °F (row 96–104 °F), 90°C column: × 0.91"},
        {"a continuous 40 A load",
         Kind::Ampacity,
         {{"optFind_1", ""}, {"txtLoad", "40"}, {"chkContinuous", ""}},
         {{"lblMaximumDevice", "50"},
          {"lblConductorSize", "8 AWG"},
          {"lblGovernedBy", "terminations, correction factors, overcurrent device"}},
         {"8 AWG", "Copper 75°C", "50.0", "50"},
         "Continuous load: 1.25 × 40.0 A = 50.0 A"},
        {"16 A over 100 ft at 120 V",
         Kind::Drop,
         {{"txtVoltage", "120"}, {"txtCurrent", "16"}, {"txtLength", "100"}},
         {{"lblDropVolts", "5.44"},
          {"lblDropPercent", "4.53"},
          {"lblLoadVolts", "114.56"},
          {"lblImpedance", "1.700"},
          {"lblConductorSize", "12 AWG"},
          {"lblMaximumLength", ""},
          {"lblAmpacity75", "25.0"}},
         {"12 AWG", "100 ft", "16.0", "5.44", "4.53"},
         "VD = 2 × 16.0 A × 1.700 × 100 ft / 1000 / 1 set = 5.44 V"},
        {"the size for 3 %",
         Kind::Drop,
         {{"optFind_1", ""}, {"txtVoltage", "120"}, {"txtCurrent", "16"}, {"txtLength", "100"}},
         {{"lblConductorSize", "10 AWG"}, {"lblDropPercent", "2.93"}},
         {"10 AWG", "100 ft", "16.0", "3.52", "2.93"},
         "The next smaller size, 12 AWG copper, gives 4.53 %, more than 3.00 %"},
        {"the longest run, the length box left empty",
         Kind::Drop,
         {{"optFind_2", ""}, {"txtVoltage", "120"}, {"txtCurrent", "16"}},
         {{"lblMaximumLength", "66 ft"}, {"lblDropVolts", "3.59"}},
         {"12 AWG", "66 ft", "16.0", "3.59", "2.99"},
         "Maximum length, rounded down: 66 ft"},
        {"steel conduit at 90 % power factor, by Note 2",
         Kind::Drop,
         {{"optRaceway_2", ""},
          {"txtPowerFactor", "90"},
          {"txtVoltage", "120"},
          {"txtCurrent", "16"},
          {"txtLength", "100"}},
         {{"lblImpedance", "1.830"}, {"lblDropVolts", "5.85"}},
         {"12 AWG", "100 ft", "16.0", "5.85", "4.88"},
         "R = 2.000, XL (steel conduit) = 0.068 ohm/1000 ft"},
        {"DC, the power factor box left empty",
         Kind::Drop,
         {{"optSystem_2", ""},
          {"txtPowerFactor", ""},
          {"txtVoltage", "120"},
          {"txtCurrent", "16"},
          {"txtLength", "100"}},
         {{"lblImpedance", "1.980"}, {"lblDropVolts", "6.34"}},
         {"12 AWG", "100 ft", "16.0", "6.34", "5.28"},
         "Chapter 9 Table 8, 12 AWG stranded uncoated copper, DC resistance: 1.980 ohm/1000 ft"},
        {"metres, three phase, 2 sets of 1/0",
         Kind::Drop,
         {{"optSystem_1", ""},
          {"optLengthUnit_1", ""},
          {"cboSize", "1/0 AWG"},
          {"txtSets", "2"},
          {"txtVoltage", "480"},
          {"txtCurrent", "300"},
          {"txtLength", "30"}},
         {{"lblAmpacity75", "300.0"}},
         {"1/0 AWG", "30 m", "300.0", "3.32", "0.69"},
         "One-way length: 30 m ÷ 0.3048 = 98.43 ft"},
    };
    for (const WorkedCase& c : cases) {
        ErrorRecorder errors;
        const Sheet s(c.kind);
        apply(s, c.givens);
        s.calculate();
        ASSERT_TRUE(errors.shown.empty()) << c.what << ": " << errors.shown[0].text.toStdString();
        for (const auto& [label, text] : c.answers)
            EXPECT_EQ(s.text(QString::fromLatin1(label)), QString::fromUtf8(text))
                << c.what << ' ' << label;
        EXPECT_EQ(s.row(0), c.historyRow) << c.what;
        const QString steps = s.get<QPlainTextEdit>(QStringLiteral("txtSteps"))->toPlainText();
        EXPECT_TRUE(steps.contains(QString::fromUtf8(c.step))) << c.what << '\n'
                                                               << steps.toStdString();
    }
}

// --- Refusals -----------------------------------------------------------------------------------

struct RefusalCase {
    Kind kind;
    Givens givens; // on top of a calculation that went through
    QString message;
};

TEST(ConductorSheets, BadInputIsRefusedWithAMessageAndChangesNothing) {
    const Givens goodDrop{{"txtVoltage", "120"}, {"txtCurrent", "16"}, {"txtLength", "100"}};
    const QString wholeCount = "The number of current-carrying conductors must be a whole number "
                               "of 1 or more.";
    const QString wholeSets = "The number of parallel sets must be a whole number of 1 or more.";
    const RefusalCase cases[] = {
        {Kind::Ampacity, {{"txtAmbient", " "}}, Messages::entryEmpty("Ambient temperature").text},
        {Kind::Ampacity,
         {{"txtAmbient", "4.0.1"}},
         Messages::entryNotANumber("Ambient temperature", "4.0.1").text},
        {Kind::Ampacity, {{"txtConductors", "4.5"}}, wholeCount},
        {Kind::Ampacity,
         {{"optInsulation_2", ""}, {"txtAmbient", "86"}},
         "Table 310.15(B)(1)(1) gives no correction factor for 90°C insulation at 86 °C: the "
         "conductor may not be used at that ambient temperature."},
        {Kind::Ampacity, {{"optFind_1", ""}}, Messages::entryEmpty("Load (A)").text},
        {Kind::Ampacity,
         {{"optFind_1", ""}, {"txtLoad", "5000"}},
         "No single conductor in Table 310.16 carries the load under these conditions."},
        {Kind::Drop, {{"txtVoltage", ""}}, Messages::entryEmpty("Voltage (V)").text},
        {Kind::Drop, {{"txtCurrent", "0"}}, "The current must be a number above 0."},
        {Kind::Drop, {{"txtPowerFactor", "100.5"}}, "The power factor may not be above 100 %."},
        {Kind::Drop, {{"txtSets", "1.5"}}, wholeSets},
        {Kind::Drop,
         {{"txtSets", "2"}},
         "Conductors smaller than 1/0 AWG may not be run in parallel (310.10(G))."},
        {Kind::Drop,
         {{"optFind_1", ""}, {"txtCurrent", "2000"}, {"txtLength", "1000"}},
         "No conductor size in Chapter 9 Table 9 keeps the drop within 3.00 % under these "
         "conditions."},
    };
    for (const RefusalCase& c : cases) {
        ErrorRecorder errors;
        const Sheet s(c.kind);
        if (c.kind == Kind::Drop)
            apply(s, goodDrop);
        s.calculate();
        ASSERT_TRUE(errors.shown.empty());
        const QStringList before = s.shown();
        apply(s, c.givens);
        s.calculate();
        ASSERT_EQ(errors.shown.size(), 1u) << c.message.toStdString();
        EXPECT_EQ(errors.shown[0].text, c.message);
        EXPECT_EQ(errors.shown[0].title, "Error");
        EXPECT_EQ(s.shown(), before) << c.message.toStdString();
    }
}

// --- History, CLEAR, copy and fit ---------------------------------------------------------------

TEST(ConductorSheets, HistoryKeepsThreeRowsAndClearRestoresTheLoadValues) {
    ErrorRecorder errors;
    const Sheet s(Kind::Ampacity);
    for (const char* count : {"3", "6", "9", "20"}) {
        s.set(QStringLiteral("txtConductors"), QString::fromLatin1(count));
        s.calculate();
    }
    EXPECT_EQ(s.row(0)[2], "12.5"); // 25 A × 0.50, 20 conductors
    EXPECT_EQ(s.row(1)[2], "17.5"); // × 0.70
    EXPECT_EQ(s.row(2)[2], "20.0"); // × 0.80
    apply(s, {{"txtAmbient", "41"}, {"optFind_1", ""}, {"txtLoad", "12"}});
    s.clear();
    EXPECT_EQ(s.row(0), QStringList(4));
    EXPECT_EQ(s.text(QStringLiteral("lblAllowableAmpacity")), "");
    EXPECT_TRUE(s.get<QPlainTextEdit>(QStringLiteral("txtSteps"))->toPlainText().isEmpty());
    EXPECT_EQ(s.get<QLineEdit>(QStringLiteral("txtAmbient"))->text(), "30");
    EXPECT_EQ(s.get<QLineEdit>(QStringLiteral("txtConductors"))->text(), "3");
    EXPECT_EQ(s.get<QLineEdit>(QStringLiteral("txtLoad"))->text(), "");

    const Sheet d(Kind::Drop);
    apply(d,
          {{"txtPowerFactor", "90"}, {"txtSets", "2"}, {"txtMaxDrop", "5"}, {"txtVoltage", "1"}});
    d.clear();
    for (const auto& [box, text] : {std::pair{"txtPowerFactor", "85"}, std::pair{"txtSets", "1"},
                                    std::pair{"txtMaxDrop", "3"}, std::pair{"txtVoltage", ""}})
        EXPECT_EQ(d.get<QLineEdit>(QString::fromLatin1(box))->text(), text) << box;
    EXPECT_TRUE(errors.shown.empty());
}

class ConductorSheetsInFrame : public ::testing::Test {
protected:
    void SetUp() override {
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    }
    ErrorRecorder errors;
    MDIMain main;
};

// Opened from the NEC menu at the frame's first size, every control shows without scrolling.
TEST_F(ConductorSheetsInFrame, FitTheirAreaAtTheDefaultSize) {
    for (const char* action : {"mnuNECItem_0", "mnuNECItem_1"}) {
        QWidget* sheet = openLiveSheet(main, {QString::fromLatin1(action), {}});
        ASSERT_NE(sheet, nullptr) << action;
        QApplication::processEvents();
        auto* scroller = qobject_cast<QScrollArea*>(sheet->parentWidget()->parentWidget());
        ASSERT_NE(scroller, nullptr);
        EXPECT_FALSE(scroller->verticalScrollBar()->isVisible()) << action;
        EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible()) << action;
    }
}

// Enter in an entry calculates; Ctrl+C then copies the answers and the steps.
TEST_F(ConductorSheetsInFrame, CtrlCCopiesAnswersAndSteps) {
    QWidget* sheet = openLiveSheet(main, {QStringLiteral("mnuNECItem_0"), {}});
    ASSERT_NE(sheet, nullptr);
    sheet->findChild<QAbstractButton*>(QStringLiteral("optInsulation_2"))->click();
    auto* count = sheet->findChild<QLineEdit*>(QStringLiteral("txtConductors"));
    count->setText(QStringLiteral("6"));
    count->setFocus();
    QTest::keyClick(count, Qt::Key_Return);
    QTest::keySequence(count, QKeySequence::Copy);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains("Allowable ampacity (A)\t24.0\n")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("Max OCPD (A)")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("Steps\nTable 310.15(B)(1)(1)")) << copied.toStdString();
}

} // namespace
