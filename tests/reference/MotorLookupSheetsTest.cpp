#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "CsvFile.h"
#include "TestDatabases.h"
#include "common/GlobalSubs.h"
#include "common/HorsepowerOptions.h"
#include "common/ResultHistory.h"
#include "reference/MotorCurrentLayouts.h"
#include "reference/frmDCMotorSpecs.h"
#include "reference/frmFlcurrents.h"
#include "reference/frmHPvTorque.h"
#include "support/ClippedCells.h"
#include "support/ErrorRecorder.h"

namespace {

// The four look-up sheets as the menu opens them.
struct Sheet {
    const char* name;
    std::function<QWidget*(const QString& databasePath)> make;
    const char* button; // FIND (A) or CALCULATE
    const char* clear;
};

const Sheet singlePhase{"SinglePhase",
                        [](const QString& path) {
                            GlobalSubs::ThreePhase = 0;
                            return new frmFlcurrents(nullptr, path);
                        },
                        "cmdFinda3p", "cmdClear3p"};
const Sheet threePhase{"ThreePhase",
                       [](const QString& path) {
                           GlobalSubs::ThreePhase = -1;
                           return new frmFlcurrents(nullptr, path);
                       },
                       "cmdFinda3p", "cmdClear3p"};
const Sheet dcMotor{"DC", [](const QString& path) { return new frmDCMotorSpecs(nullptr, path); },
                    "cmdFindA", "cmdClear"};
const Sheet torque{"Torque", [](const QString& path) { return new frmHPvTorque(nullptr, path); },
                   "cmdCalculate", "cmdClear"};

class SheetDriver {
public:
    SheetDriver(const Sheet& sheet, const QString& path = {})
        : m_sheet(sheet), m_widget(sheet.make(path)) {}

    QWidget* widget() const { return m_widget.get(); }
    template <class T> T* child(const QString& name) const {
        T* w = m_widget->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString text(const QString& label) const { return child<QLabel>(label)->text(); }
    void press() const { child<QPushButton>(QString::fromLatin1(m_sheet.button))->click(); }
    void clear() const { child<QPushButton>(QString::fromLatin1(m_sheet.clear))->click(); }
    void pick(const QString& option) const { child<QRadioButton>(option)->setChecked(true); }

    // Row `r` of the history, left to right (for the torque sheet, grid after grid).
    QStringList row(int r) const {
        QStringList cells;
        if (&m_sheet == &torque) {
            for (int g = 0; g < frmHPvTorque::Grids; ++g) {
                cells << text(QStringLiteral("lblHp_%1").arg(g * 3 + r));
                for (int s = 0; s < frmHPvTorque::SpeedsPerGrid; ++s)
                    cells << text(
                        QStringLiteral("lblRPM%1_%2")
                            .arg(frmHPvTorque::Speeds[g * frmHPvTorque::SpeedsPerGrid + s])
                            .arg(r));
            }
        } else {
            for (const char* column : {"lblHp", "lblVoltage", "lblAmps"})
                cells << text(QStringLiteral("%1_%2").arg(QString::fromLatin1(column)).arg(r));
        }
        return cells;
    }
    QList<QStringList> rows() const { return {row(0), row(1), row(2)}; }

    // The captions of the shown options of a frame in reading order: down each column as laid
    // out, columns left to right.
    QStringList shownOptions(const QString& prefix) const {
        m_widget->show();
        QList<QRadioButton*> shown;
        for (QRadioButton* b : m_widget->findChildren<QRadioButton*>()) {
            if (b->objectName().startsWith(prefix) && !b->isHidden())
                shown << b;
        }
        std::ranges::sort(shown, {}, [this](QRadioButton* b) {
            return std::pair(b->mapTo(m_widget.get(), QPoint()).x(), top(b));
        });
        QStringList captions;
        for (const QRadioButton* b : shown)
            captions << b->text();
        return captions;
    }
    int top(const QWidget* w) const { return w->mapTo(m_widget.get(), QPoint()).y(); }
    QString checked(const QString& prefix) const {
        for (const QRadioButton* b : m_widget->findChildren<QRadioButton*>()) {
            if (b->objectName().startsWith(prefix) && b->isChecked())
                return b->text();
        }
        return {};
    }

private:
    const Sheet& m_sheet;
    std::unique_ptr<QWidget> m_widget;
};

const QList<QStringList> emptyRows(int columns) {
    return {QStringList(columns), QStringList(columns), QStringList(columns)};
}

// --- Layouts, against the shipped database ---------------------------------------------------

struct LayoutCase {
    const Sheet* sheet;
    qint16 kind;
    const char* heading;
    QStringList horsepowers;
    QStringList voltages;
    const char* horsepowerAtLoad;
    const char* voltageAtLoad;
    QStringList firstRow; // FIND right after loading
    QStringList sourcesParts;
    bool footnote;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.sheet->name;
}

const QStringList acHorsepowers{"1/4",   "1/3", "1/2", "3/4", "1",  "1 1/2", "2",  "3",  "5",
                                "7 1/2", "10",  "15",  "20",  "25", "30",    "40", "50", "60"};

const LayoutCase layoutCases[] = {
    {&singlePhase,
     FormKind::Flcurrents,
     "Single-phase, AC Full Load Current",
     QStringList{"1/6"} + acHorsepowers.mid(0, 10),
     {"115V", "230V"},
     "1/6",
     "115V",
     {"1/6", "115V", "4.4"},
     {"Source: ", "Table 430.248"},
     false},
    {&threePhase,
     FormKind::Flcurrents,
     "3-phase, AC Full Load Current",
     acHorsepowers,
     {"208V", "230V", "460V", "575V"},
     "1/4",
     "208V",
     {"1/4", "208V", "1.1*"},
     {"Table 430.250", "; ", "1/4 and 1/3 hp: MISUMI"},
     true},
    {&dcMotor,
     FormKind::DCMotorSpecs,
     "DC Motor, Full Load Amps",
     {"1 ", "1 1/2", "2", "3", "5", "7 1/2", "10", "15", "20", "25", "30", "40", "50", "60", "75",
      "100"},
     {"115V", "230V"},
     "1 ",
     "115V",
     {"1", "115V", "9.5"},
     {"Table 430.247"},
     false},
};

class LayoutTest : public testing::TestWithParam<LayoutCase> {
protected:
    ErrorRecorder errors;
};

TEST_P(LayoutTest, ShowsTheSupplySystemsListsAndLooksUpTheSelection) {
    const LayoutCase& c = GetParam();
    SheetDriver sheet(*c.sheet);
    EXPECT_EQ(GlobalSubs::CurrentFormKind, c.kind);
    EXPECT_EQ(sheet.text("Label6_0"), c.heading);
    EXPECT_EQ(sheet.shownOptions("optHp_"), c.horsepowers);
    EXPECT_EQ(sheet.shownOptions("optVoltage_"), c.voltages);
    EXPECT_EQ(sheet.checked("optHp_"), c.horsepowerAtLoad);
    EXPECT_EQ(sheet.checked("optVoltage_"), c.voltageAtLoad);
    // Hidden options give up their rows: both lists start at the top.
    const auto firstShown = [&](const QString& prefix, const QString& caption) {
        for (QRadioButton* b : sheet.widget()->findChildren<QRadioButton*>())
            if (b->objectName().startsWith(prefix) && b->text() == caption && !b->isHidden())
                return sheet.top(b);
        return -1;
    };
    EXPECT_EQ(firstShown("optHp_", c.horsepowers.front()),
              firstShown("optVoltage_", c.voltages.front()));
    EXPECT_EQ(sheet.child<QLabel>("lblTypical")->isVisible(), c.footnote);
    for (const QString& part : c.sourcesParts)
        EXPECT_TRUE(sheet.text("lblSources").contains(part))
            << sheet.text("lblSources").toStdString();

    sheet.press();
    EXPECT_EQ(sheet.row(0), c.firstRow);
    EXPECT_TRUE(errors.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Sheets, LayoutTest, testing::ValuesIn(layoutCases),
                         [](const auto& info) { return std::string(info.param.sheet->name); });

// Every horsepower and voltage a layout shows forms a key that finds its cell in the shipped
// database: the value of the CSV the data comes from, "n/a" where the source has none, and the
// typical-value mark on the rows that are not code values.
TEST(MotorCurrentSheets, EveryShownOptionFindsItsCell) {
    const std::pair<const Sheet*, const MotorCurrentLayout*> layouts[] = {
        {&singlePhase, &MotorCurrentLayouts::SinglePhase},
        {&threePhase, &MotorCurrentLayouts::ThreePhase},
        {&dcMotor, &MotorCurrentLayouts::DCMotor}};
    for (const auto& [kind, layout] : layouts) {
        ErrorRecorder errors;
        SheetDriver sheet(*kind);
        const refgen::CsvFile csv = refgen::readCsvFile(
            QDir(referenceDataDirectory()).filePath(QString::fromLatin1(layout->table) + ".csv"));
        for (const int hp : layout->shownHorsepowers) {
            const HorsepowerOption& option = layout->horsepowers[hp];
            const auto csvRow = std::ranges::find_if(csv.rows, [&](const QStringList& r) {
                return r[0].toDouble() == QString::fromLatin1(option.key).toDouble();
            });
            ASSERT_NE(csvRow, csv.rows.end()) << option.key;
            sheet.pick(QStringLiteral("optHp_%1").arg(hp));
            for (const int v : layout->shownVoltages) {
                const QString volts = QStringLiteral("%1V").arg(layout->voltages[v]);
                sheet.pick(QStringLiteral("optVoltage_%1").arg(v));
                sheet.press();
                QString expected = (*csvRow)[csv.column(volts)];
                if (expected.isEmpty())
                    expected = "n/a";
                else if (std::ranges::find(layout->typicalHorsepowers, hp) !=
                         layout->typicalHorsepowers.end())
                    expected += "*";
                EXPECT_EQ(sheet.row(0), (QStringList{option.text, volts, expected}))
                    << layout->table << ' ' << option.key << ' ' << volts.toStdString();
                EXPECT_EQ(clippedCells(*sheet.widget()), "") << layout->table;
            }
        }
        EXPECT_TRUE(errors.shown.empty()) << layout->table;
    }
}

TEST(frmHPvTorque, EveryHorsepowerShowsItsRowInAllThreeGrids) {
    ErrorRecorder errors;
    SheetDriver sheet(torque);
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::HPvTorque);
    QStringList captions;
    for (const HorsepowerOption& option : HorsepowerOptions::Torque)
        captions << QString::fromLatin1(option.caption);
    EXPECT_EQ(sheet.shownOptions("optHp_"), captions) << "two columns, read down each";
    EXPECT_EQ(sheet.checked("optHp_"), "1 ");
    EXPECT_TRUE(sheet.text("lblSources").contains("63025"));
    const refgen::CsvFile expected = refgen::readCsvFile(testDataPath("torque_expected.csv"));
    for (int hp = 0; hp < static_cast<int>(HorsepowerOptions::Torque.size()); ++hp) {
        const HorsepowerOption& option = HorsepowerOptions::Torque[hp];
        sheet.pick(QStringLiteral("optHp_%1").arg(hp));
        sheet.press();
        const QStringList& torques = expected.rows.at(hp);
        ASSERT_EQ(torques[0], option.key);
        QStringList row;
        for (int g = 0; g < frmHPvTorque::Grids; ++g)
            row << option.text << torques.mid(1 + g * 6, 6);
        EXPECT_EQ(sheet.row(0), row) << option.key;
        EXPECT_EQ(clippedCells(*sheet.widget()), "") << "the grids hold every torque";
    }
    EXPECT_TRUE(errors.shown.empty());
}

// The database is held from load to unload, and by nothing else.
TEST(MotorLookupSheets, HoldTheDatabaseWhileLoaded) {
    const auto connections = [] {
        return QSqlDatabase::connectionNames().filter(QStringLiteral("kelvo_reference_")).size();
    };
    for (const Sheet* kind : {&singlePhase, &threePhase, &dcMotor, &torque}) {
        {
            SheetDriver sheet(*kind);
            EXPECT_EQ(connections(), 1) << kind->name;
        }
        EXPECT_EQ(connections(), 0) << kind->name;
    }
}

// --- History and CLEAR -----------------------------------------------------------------------

void PrintTo(const Sheet* sheet, std::ostream* os) {
    *os << sheet->name;
}

class HistoryTest : public testing::TestWithParam<const Sheet*> {
protected:
    ErrorRecorder errors;
};

TEST_P(HistoryTest, KeepsTheLastThreeAndClearKeepsTheSelection) {
    SheetDriver sheet(*GetParam());
    const int columns = sheet.row(0).size();
    QList<QStringList> found;
    for (int hp : {1, 2, 3, 4}) { // four look-ups of different horsepowers
        sheet.pick(QStringLiteral("optHp_%1").arg(hp));
        sheet.press();
        found.prepend(sheet.row(0));
    }
    EXPECT_EQ(sheet.rows(), found.mid(0, 3)) << "the first look-up is pushed out";

    const QString selected = sheet.checked("optHp_");
    sheet.clear();
    EXPECT_EQ(sheet.rows(), emptyRows(columns));
    EXPECT_EQ(sheet.checked("optHp_"), selected);
    sheet.press();
    EXPECT_EQ(sheet.rows(),
              (QList<QStringList>{found[0], QStringList(columns), QStringList(columns)}));
    EXPECT_TRUE(errors.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Sheets, HistoryTest, testing::Values(&dcMotor, &torque),
                         [](const auto& info) { return std::string(info.param->name); });

// --- Database faults -------------------------------------------------------------------------

QString torqueCsv(const QStringList& speeds, const QStringList& horsepowers) {
    QString csv = "HP," + speeds.join(',') + '\n';
    for (const QString& hp : horsepowers)
        csv += hp + QString(",1").repeated(speeds.size()) + '\n';
    return csv;
}

QStringList allSpeeds() {
    QStringList fields;
    for (int rpm : frmHPvTorque::Speeds)
        fields << QStringLiteral("RPM%1").arg(rpm);
    return fields;
}

struct FaultCase {
    const char* name;
    const Sheet* sheet;
    std::function<QString(const QTemporaryDir&)> makeFile;
    bool goodFirst;     // a look-up of the selection at load succeeds first
    const char* choose; // then this option is chosen (none if null)
    const char* messagePart;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

QString database(const QTemporaryDir& dir, const QString& table, const QString& csv) {
    return buildDatabase(dir, QStringLiteral("faulty.db"), {{table, csv}});
}

const FaultCase faultCases[] = {
    {"MissingFile", &threePhase, [](const QTemporaryDir& d) { return d.filePath("none.db"); },
     false, nullptr, "was not found"},
    {"NotADatabase", &dcMotor,
     [](const QTemporaryDir& d) {
         QFile file(d.filePath("text.db"));
         EXPECT_TRUE(file.open(QIODevice::WriteOnly));
         file.write("Hp,115V,230V\n1,9.5,4.7\n");
         return file.fileName();
     },
     false, nullptr, "is not a readable reference database"},
    {"MissingTable", &singlePhase,
     [](const QTemporaryDir& d) {
         return database(d, "tabdccurrent", "Hp,115V,230V\n1,9.5,4.7\n");
     },
     false, nullptr, "has no table tab1Pflcurrent"},
    {"MissingKeyField", &singlePhase,
     [](const QTemporaryDir& d) {
         return database(d, "tab1Pflcurrent", "HP,115V,230V\n.167,4.4,2.2\n");
     },
     false, nullptr, "has no field Hp"},
    {"MissingVoltageField", &dcMotor,
     [](const QTemporaryDir& d) { return database(d, "tabdccurrent", "Hp,115V\n1,9.5\n"); }, true,
     "optVoltage_1", "has no field 230V"},
    {"MissingSpeedField", &torque,
     [](const QTemporaryDir& d) {
         return database(d, "HPvTorque", torqueCsv(allSpeeds().mid(0, 17), {"1"}));
     },
     false, nullptr, "has no field RPM68"},
    {"KeyWithNoRow", &threePhase,
     [](const QTemporaryDir& d) {
         return database(d, "tab3Pflcurrent", "Hp,208V,230V,460V,575V\n.25,1.1,1.0,0.5,0.4\n");
     },
     true, "optHp_2", "has no row for Hp = .5"},
    {"TorqueKeyWithNoRow", &torque,
     [](const QTemporaryDir& d) { return database(d, "HPvTorque", torqueCsv(allSpeeds(), {"1"})); },
     true, "optHp_1", "has no row for HP = 1.5"},
};

class FaultTest : public testing::TestWithParam<FaultCase> {};

// The sheet opens; each look-up tells the layer's message once, writes no row and leaves the
// rows already shown where they were.
TEST_P(FaultTest, SheetOpensAndEachLookUpTellsTheFaultOnce) {
    const FaultCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = c.makeFile(dir);
    ErrorRecorder errors;
    SheetDriver sheet(*c.sheet, path);
    EXPECT_TRUE(errors.shown.empty()) << "nothing is shown while the sheet loads";

    if (c.goodFirst) {
        sheet.press();
        ASSERT_TRUE(errors.shown.empty()) << errors.shown.front().text.toStdString();
        ASSERT_FALSE(sheet.row(0).front().isEmpty());
    }
    if (c.choose)
        sheet.pick(QString::fromLatin1(c.choose));
    const QList<QStringList> before = sheet.rows();
    for (std::size_t press = 1; press <= 2; ++press) {
        sheet.press();
        ASSERT_EQ(errors.shown.size(), press);
        EXPECT_TRUE(errors.shown.back().text.contains(QString::fromLatin1(c.messagePart)))
            << errors.shown.back().text.toStdString();
        EXPECT_EQ(errors.shown.back().title, "Error");
        EXPECT_EQ(sheet.rows(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest, testing::ValuesIn(faultCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
