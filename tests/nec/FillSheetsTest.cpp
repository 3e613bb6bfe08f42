#include <gtest/gtest.h>

#include <QAction>
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
#include <QTableWidget>
#include <QTest>

#include "CodeTableCsvFill.h"
#include "common/ResultCopy.h"
#include "database/ReferenceDatabase.h"
#include "nec/FillTableReader.h"
#include "nec/frmBoxFill.h"
#include "nec/frmRacewayFill.h"
#include "shell/MDIMain.h"
#include "support/ErrorRecorder.h"

// The raceway and box fill sheets against the shipped database.
namespace {

template <class T> T* child(const QWidget& sheet, const QString& name) {
    T* w = sheet.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

QString text(const QWidget& sheet, const QString& label) {
    return child<QLabel>(sheet, label)->text();
}

QStringList items(const QWidget& sheet, const QString& list) {
    QStringList out;
    const auto* box = child<QComboBox>(sheet, list);
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

void choose(const QWidget& sheet, const QString& list, const QString& caption) {
    auto* box = child<QComboBox>(sheet, list);
    const int i = box->findText(caption);
    ASSERT_GE(i, 0) << caption.toStdString();
    box->setCurrentIndex(i);
}

void type(const QWidget& sheet, const QString& entry, const QString& value) {
    auto* box = child<QLineEdit>(sheet, entry);
    box->clear();
    QTest::keyClicks(box, value);
}

void calculate(const QWidget& sheet) {
    child<QPushButton>(sheet, QStringLiteral("cmdCalculate"))->click();
}

QStringList steps(const QWidget& sheet) {
    return child<QPlainTextEdit>(sheet, QStringLiteral("txtSteps"))->toPlainText().split(u'\n');
}

// Every answer value and the steps: what a refusal must leave as it was.
QStringList shown(const QWidget& sheet) {
    QStringList out;
    for (const QLabel* label : sheet.findChildren<QLabel*>())
        if (!label->objectName().endsWith(QStringLiteral("Caption")))
            out << label->text();
    return out << steps(sheet);
}

QStringList gridRow(const frmRacewayFill& sheet, const QString& tradeSize) {
    const QTableWidget* grid = sheet.tradeSizeGrid();
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (grid->item(r, 0)->text() != tradeSize)
            continue;
        return {grid->item(r, 0)->text(), grid->item(r, 1)->text(), grid->item(r, 2)->text()};
    }
    return {};
}

// One line per row, every field the sheets use.
QStringList lines(const Nec::RacewayTable& t) {
    QStringList out;
    for (const Nec::RacewayRow& r : t.rows)
        out << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(r.article, r.raceway, r.tradeSize)
                   .arg(r.totalArea.value_or(-1))
                   .arg(r.singleSource);
    return out;
}
QStringList lines(const Nec::ConductorAreaTable& t) {
    QStringList out;
    for (const Nec::ConductorAreaRow& r : t.rows)
        out << QStringLiteral("%1 %2 %3 %4")
                   .arg(r.type, r.size.caption())
                   .arg(r.area)
                   .arg(r.singleSource);
    return out;
}

// The database reader splits the joined tables on their one-source mark and gives what the
// compute tests build from the CSVs.
TEST(FillTableReader, ReadsWhatTheCsvsHold) {
    ReferenceDatabase database;
    ASSERT_TRUE(database.Open());
    Recordset t4 = database.OpenRecordset(QStringLiteral("raceway_areas_ch9_t4"));
    Recordset t5 = database.OpenRecordset(QStringLiteral("conductor_areas_ch9_t5"));
    Recordset t8 = database.OpenRecordset(QStringLiteral("conductor_properties_ch9_t8"));
    EXPECT_EQ(lines(CodeTableReader::racewayAreas(t4)), lines(CodeTableCsv::racewayAreas()));
    EXPECT_EQ(lines(CodeTableReader::conductorAreas(t5, t8)),
              lines(CodeTableCsv::conductorAreas()));
}

class FillSheetsTest : public ::testing::Test {
protected:
    ErrorRecorder errors;
};

TEST_F(FillSheetsTest, RacewayListsComeFromTheTables) {
    frmRacewayFill sheet;
    const Nec::RacewayTable raceways = CodeTableCsv::racewayAreas();
    QStringList expected;
    for (const QString& r : raceways.raceways())
        expected << Nec::withSingleSourceMark(r, raceways.singleSourceOnly(r));
    EXPECT_EQ(items(sheet, QStringLiteral("cboRaceway")), expected);
    EXPECT_TRUE(expected.contains(QStringLiteral("ENT†")));
    EXPECT_EQ(child<QComboBox>(sheet, QStringLiteral("cboRaceway"))->currentText(), "EMT");

    const QStringList types = items(sheet, QStringLiteral("cboType_5"));
    EXPECT_EQ(types.first(), "RHH, RHW, RHW-2");
    EXPECT_EQ(types.last(), "Bare");
    EXPECT_TRUE(types.contains(QStringLiteral("TFN, TFFN†")));
    choose(sheet, QStringLiteral("cboType_5"), QStringLiteral("RHH, RHW, RHW-2"));
    const QStringList sizes = items(sheet, QStringLiteral("cboSize_5"));
    EXPECT_EQ(sizes.first(), "14 AWG");
    EXPECT_EQ(sizes.last(), "2000 kcmil†");
    EXPECT_EQ(child<QComboBox>(sheet, QStringLiteral("cboSize_5"))->currentText(), "12 AWG");

    // A raceway's trade sizes fill the grid; 1/2, 1, 3-1/2, 5 and 6 of PVC-40 rest on one source.
    choose(sheet, QStringLiteral("cboRaceway"), QStringLiteral("PVC-40/HDPE"));
    EXPECT_EQ(sheet.tradeSizeGrid()->rowCount(), 12);
    EXPECT_EQ(gridRow(sheet, QStringLiteral("1†")), (QStringList{"1†", "", ""}));
    EXPECT_FALSE(child<QLabel>(sheet, QStringLiteral("lblFootnote"))->isHidden());
}

TEST_F(FillSheetsTest, RacewayAnswersGridAndSteps) {
    frmRacewayFill sheet;
    type(sheet, QStringLiteral("txtCount_0"), QStringLiteral("16"));
    calculate(sheet);
    ASSERT_TRUE(errors.shown.empty());
    QStringList answers;
    for (const char* name : {"lblConductors", "lblConductorArea", "lblFillLimit",
                             "lblSmallestTradeSize", "lblFillPercent"})
        answers << text(sheet, QString::fromLatin1(name));
    EXPECT_EQ(answers, (QStringList{"16", "0.2128", "40 %", "3/4", "39.92"}));
    EXPECT_EQ(gridRow(sheet, QStringLiteral("3/4")), (QStringList{"3/4", "39.92", "16"}));
    EXPECT_EQ(gridRow(sheet, QStringLiteral("1/2")), (QStringList{"1/2", "70.00", "9"}));
    EXPECT_EQ(steps(sheet).last(), "Fill: 100 × 0.2128 in² ÷ 0.533 in² = 39.92 %");

    // Two groups: no maximum of group 1; a nipple takes 60 %.
    choose(sheet, QStringLiteral("cboType_1"), QStringLiteral("Bare"));
    choose(sheet, QStringLiteral("cboSize_1"), QStringLiteral("10 AWG"));
    type(sheet, QStringLiteral("txtCount_1"), QStringLiteral("1"));
    child<QCheckBox>(sheet, QStringLiteral("chkNipple"))->setChecked(true);
    calculate(sheet);
    EXPECT_EQ(text(sheet, QStringLiteral("lblFillLimit")), "60 %");
    EXPECT_EQ(gridRow(sheet, QStringLiteral("3/4")).at(2), "");

    // A size of one source is marked in the answer and the grid; the steps end on the footnote.
    child<QPushButton>(sheet, QStringLiteral("cmdClear"))->click();
    EXPECT_EQ(child<QLineEdit>(sheet, QStringLiteral("txtCount_1"))->text(), "");
    EXPECT_EQ(text(sheet, QStringLiteral("lblFillLimit")), "");
    EXPECT_EQ(steps(sheet), QStringList{""});
    child<QCheckBox>(sheet, QStringLiteral("chkNipple"))->setChecked(false);
    choose(sheet, QStringLiteral("cboRaceway"), QStringLiteral("PVC-80†"));
    type(sheet, QStringLiteral("txtCount_0"), QStringLiteral("3"));
    calculate(sheet);
    EXPECT_EQ(text(sheet, QStringLiteral("lblSmallestTradeSize")), "3/4†");
    EXPECT_EQ(gridRow(sheet, QStringLiteral("3/4†")), (QStringList{"3/4†", "9.76", "12"}));
    EXPECT_EQ(steps(sheet).last(), Nec::singleSourceFootnote());
    EXPECT_TRUE(errors.shown.empty());
}

// Each refusal names its cause and leaves the answers, grid and steps as they were.
TEST_F(FillSheetsTest, RacewayRefusals) {
    struct Case {
        const char* count0;
        const char* count2;
        const char* message;
    };
    const Case cases[] = {
        {"", "", "Enter the count of at least one group of conductors."},
        {"16", "1.5", "Group 3"},
        {"16", "1.2.", "Group 3"},
        {"5000", "", "No trade size of EMT in Chapter 9 Table 4 holds these conductors."},
    };
    for (const Case& c : cases) {
        frmRacewayFill sheet;
        type(sheet, QStringLiteral("txtCount_0"), QStringLiteral("2"));
        calculate(sheet);
        const QStringList before = shown(sheet);
        const QStringList grid = gridRow(sheet, QStringLiteral("1/2"));
        type(sheet, QStringLiteral("txtCount_0"), QString::fromLatin1(c.count0));
        type(sheet, QStringLiteral("txtCount_2"), QString::fromLatin1(c.count2));
        errors.shown.clear();
        calculate(sheet);
        ASSERT_EQ(errors.shown.size(), 1u) << c.message;
        EXPECT_TRUE(errors.shown[0].text.contains(QString::fromUtf8(c.message)))
            << errors.shown[0].text.toStdString();
        EXPECT_EQ(shown(sheet), before) << c.message;
        EXPECT_EQ(gridRow(sheet, QStringLiteral("1/2")), grid) << c.message;
    }
}

struct BoxCase {
    std::vector<std::pair<int, const char*>> counts; // entry index, text
    bool clamps;
    const char* devices;
    const char* deviceSize;
    const char* grounding;
    const char* groundingSize;
    const char* boxType;
    const char* box;
};

void enter(const frmBoxFill& sheet, const BoxCase& c) {
    for (const auto& [i, count] : c.counts)
        type(sheet, QStringLiteral("txtConductors_%1").arg(i), QString::fromLatin1(count));
    child<QCheckBox>(sheet, QStringLiteral("chkClamps"))->setChecked(c.clamps);
    type(sheet, QStringLiteral("txtDevices"), QString::fromLatin1(c.devices));
    choose(sheet, QStringLiteral("cboDeviceSize"), QString::fromLatin1(c.deviceSize));
    type(sheet, QStringLiteral("txtGrounding"), QString::fromLatin1(c.grounding));
    choose(sheet, QStringLiteral("cboGroundingSize"), QString::fromLatin1(c.groundingSize));
    choose(sheet, QStringLiteral("cboBoxType"), QString::fromUtf8(c.boxType));
    choose(sheet, QStringLiteral("cboBox"), QString::fromUtf8(c.box));
}

QStringList boxAnswers(const frmBoxFill& sheet) {
    QStringList out;
    for (const char* name : {"lblConductorVolume", "lblClampVolume", "lblFittingVolume",
                             "lblDeviceVolume", "lblGroundingVolume", "lblRequiredVolume",
                             "lblSmallestBox", "lblChosenBoxVolume", "lblLargeEnough"})
        out << text(sheet, QString::fromLatin1(name));
    return out;
}

TEST_F(FillSheetsTest, BoxListsComeFromTheTable) {
    frmBoxFill sheet;
    const Nec::MetalBoxTable boxes = CodeTableCsv::metalBoxes();
    EXPECT_EQ(items(sheet, QStringLiteral("cboBoxType")),
              QStringList{QStringLiteral("Any")} + boxes.types());
    QStringList captions{QStringLiteral("None")};
    for (const Nec::MetalBox& box : boxes.boxes)
        captions << box.caption();
    EXPECT_EQ(items(sheet, QStringLiteral("cboBox")), captions);
    EXPECT_EQ(items(sheet, QStringLiteral("cboDeviceSize")),
              (QStringList{"Largest in box", "18 AWG", "16 AWG", "14 AWG", "12 AWG", "10 AWG",
                           "8 AWG", "6 AWG"}));
}

TEST_F(FillSheetsTest, BoxAnswers) {
    // Four 12 AWG, two 14 AWG, clamps, a device on the 12s, two grounding conductors.
    const BoxCase square{
        {{3, "4"}, {2, "2"}}, true, "1", "Largest in box", "2", "Largest in box", "Any",
        "4 × 1½ square"};
    frmBoxFill sheet;
    enter(sheet, square);
    calculate(sheet);
    ASSERT_TRUE(errors.shown.empty());
    EXPECT_EQ(boxAnswers(sheet), (QStringList{"13.00", "2.25", "0.00", "4.50", "2.25", "22.00",
                                              "2⅜ FD — multiple cover/gang", "21.00", "No"}));
    // Six 12 AWG grounding conductors: 2.25 + 2 × ¼ × 2.25.
    type(sheet, QStringLiteral("txtGrounding"), QStringLiteral("6"));
    choose(sheet, QStringLiteral("cboBoxType"), QStringLiteral("square"));
    calculate(sheet);
    EXPECT_EQ(boxAnswers(sheet).mid(4, 3), (QStringList{"3.38", "23.13", "4¹¹⁄₁₆ × 1¼ square"}));

    // No device box holds it: the volumes and the chosen box stay shown, the smallest box blank.
    choose(sheet, QStringLiteral("cboBoxType"), QStringLiteral("device"));
    calculate(sheet);
    ASSERT_EQ(errors.shown.size(), 1u);
    EXPECT_TRUE(errors.shown[0].text.startsWith(
        QStringLiteral("No standard metal box of the type \"device\" is large enough")));
    EXPECT_EQ(boxAnswers(sheet).mid(5), (QStringList{"23.13", "", "21.00", "No"}));
}

TEST_F(FillSheetsTest, BoxRefusals) {
    struct Case {
        BoxCase input;
        const char* message;
    };
    const Case cases[] = {
        {{{}, true, "", "Largest in box", "", "Largest in box", "Any", "None"},
         "Internal cable clamps"},
        {{{}, false, "1", "Largest in box", "", "Largest in box", "Any", "None"},
         "Devices sized \"Largest in box\""},
        {{{}, false, "", "Largest in box", "2", "Largest in box", "Any", "None"},
         "Grounding conductors sized \"Largest in box\""},
        {{{{0, "2.5"}}, false, "", "Largest in box", "", "Largest in box", "Any", "None"},
         "18 AWG"},
        {{{{6, "1.."}}, false, "", "Largest in box", "", "Largest in box", "Any", "None"}, "6 AWG"},
    };
    for (const Case& c : cases) {
        frmBoxFill sheet;
        type(sheet, QStringLiteral("txtConductors_3"), QStringLiteral("2"));
        calculate(sheet);
        const QStringList before = shown(sheet);
        type(sheet, QStringLiteral("txtConductors_3"), QString());
        enter(sheet, c.input);
        errors.shown.clear();
        calculate(sheet);
        ASSERT_EQ(errors.shown.size(), 1u) << c.message;
        EXPECT_TRUE(errors.shown[0].text.contains(QString::fromUtf8(c.message)))
            << errors.shown[0].text.toStdString();
        EXPECT_EQ(shown(sheet), before) << c.message;
    }
}

// Ctrl+C in an entry copies the answers, the grid and the steps.
TEST_F(FillSheetsTest, CopyTakesAnswersGridAndSteps) {
    frmRacewayFill sheet;
    installResultCopy(&sheet);
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    type(sheet, QStringLiteral("txtCount_0"), QStringLiteral("16"));
    calculate(sheet);
    auto* box = child<QLineEdit>(sheet, QStringLiteral("txtCount_0"));
    box->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains(QStringLiteral("Conductor area (in²)\t0.2128\n")));
    EXPECT_TRUE(copied.contains(QStringLiteral("Trade size\tFill (%)\tMax of group 1\n")));
    EXPECT_TRUE(copied.contains(QStringLiteral("3/4\t39.92\t16\n")));
    EXPECT_TRUE(copied.contains(QStringLiteral("Steps\nRaceway: EMT")));
}

// Opened from the NEC menu at the main window's first size, each sheet shows every control
// without scrolling, before and after its longest answers are written.
TEST_F(FillSheetsTest, SheetsFitTheFirstWindowSize) {
    MDIMain main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    struct Case {
        const char* action;
        const char* entry;
        const char* count; // long answers: a 3 trade size, "2⅜ FD — multiple cover/gang"
    };
    for (const Case& c : {Case{"mnuNECItem_2", "txtCount_0", "200"},
                          Case{"mnuNECItem_3", "txtConductors_3", "10"}}) {
        main.findChild<QAction*>(QString::fromLatin1(c.action))->trigger();
        QWidget* sheet = main.currentSheet();
        ASSERT_NE(sheet, nullptr) << c.action;
        auto* scroller = qobject_cast<QScrollArea*>(sheet->parentWidget()->parentWidget());
        ASSERT_NE(scroller, nullptr);
        for (int pass = 0; pass < 2; ++pass) {
            QApplication::processEvents();
            EXPECT_FALSE(scroller->verticalScrollBar()->isVisible()) << c.action << pass;
            EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible()) << c.action << pass;
            type(*sheet, QString::fromLatin1(c.entry), QString::fromLatin1(c.count));
            calculate(*sheet);
        }
    }
    EXPECT_TRUE(errors.shown.empty());
}

} // namespace
