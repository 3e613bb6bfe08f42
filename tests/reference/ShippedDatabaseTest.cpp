#include "TestDatabases.h"

#include "CsvFile.h"
#include "database/ReferenceDatabase.h"

#include <QDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

// The database the build ships beside the program, read through the database layer.
namespace {

QStringList conduitKeys() {
    const QStringList all{"14",  "12",  "10",  "8",   "6",   "4",    "3",
                          "2",   "1",   "0",   "00",  "000", "0000", "250",
                          "300", "350", "400", "500", "600", "700",  "750"};
    QStringList keys;
    for (const QString& size : all)
        keys << "th" + size;
    for (const char* group : {"tw", "rh"})
        for (const QString& size : all.mid(0, 4))
            keys << QString::fromLatin1(group) + size;
    for (const QString& size : all.mid(4))
        keys << "rt" + size;
    for (const char* size : {"6", "600", "700", "750"})
        keys << "xh" + QString::fromLatin1(size);
    return keys;
}

QStringList torqueFields() {
    QStringList fields;
    for (int rpm : {3450, 2000, 1725, 1550, 1140, 1050, 1000, 850, 750, 600, 500, 230, 190, 155,
                    125, 100, 84, 68})
        fields << QStringLiteral("RPM%1").arg(rpm);
    return fields;
}

const QStringList tradeSizes{"1/2",   "3/4", "1",     "1 1/4", "1 1/2", "2",
                             "2 1/2", "3",   "3 1/2", "4",     "5",     "6"};

// A table as the sheets use it: its exact fields, the keys their option lists can form, and the
// fields they read by value (every such cell holds a value, except where `mayBeEmpty` says).
struct SheetTable {
    const char* table;
    const char* keyField;
    QStringList fields;
    QStringList keys; // empty: the sheet lists whatever the table holds
    QStringList readFields;
    std::function<bool(const QString& key, const QString& field)> mayBeEmpty;
};

void PrintTo(const SheetTable& t, std::ostream* os) {
    *os << t.table;
}

const auto neverEmpty = [](const QString&, const QString&) { return false; };

std::vector<SheetTable> sheetTables() {
    const QStringList dcKeys{"1",  "1.5", "2",  "3",  "5",  "7.5", "10", "15",
                             "20", "25",  "30", "40", "50", "60",  "75", "100"};
    return {
        {"tab1Pflcurrent",
         "Hp",
         {"Hp", "115V", "230V"},
         {".167", ".25", ".33", ".5", ".75", "1", "1.5", "2", "3", "5", "7.5"},
         {"115V", "230V"},
         neverEmpty},
        {"tab3Pflcurrent",
         "Hp",
         {"Hp", "208V", "230V", "460V", "575V"},
         {".25", ".33", ".5", ".75", "1", "1.5", "2", "3", "5", "7.5", "10", "15", "20", "25", "30",
          "40", "50", "60"},
         {"208V", "230V", "460V", "575V"},
         neverEmpty},
        // The code gives no 120 V current from 15 hp up; the sheet shows n/a there.
        {"tabdccurrent",
         "Hp",
         {"Hp", "115V", "230V"},
         dcKeys,
         {"115V", "230V"},
         [dcKeys](const QString& key, const QString& field) {
             return field == "115V" && dcKeys.indexOf(key) >= dcKeys.indexOf("15");
         }},
        {"MotorFrame",
         "MotorFrame",
         {"MotorFrame", "D", "E", "F", "U", "V", "M+N", "Keyway"},
         {},
         {"D", "E", "F", "U", "V", "M+N", "Keyway"},
         neverEmpty},
        {"conduit", "ConductorSize", QStringList{"ConductorSize"} + tradeSizes, conduitKeys(),
         tradeSizes, neverEmpty},
        {"HPvTorque",
         "HP",
         QStringList{"HP"} + torqueFields(),
         {"1",   "1.5", "2",   "3",   "5",   "7.5", "10",  "15",  "20",  "25",  "30",
          "40",  "50",  "60",  "70",  "80",  "90",  "100", "125", "150", "175", "200",
          "225", "250", "275", "300", "350", "400", "450", "500", "550", "600"},
         torqueFields(),
         neverEmpty},
        {"sources",
         "TableName",
         {"TableName", "Source", "Citation", "Edition", "Notes"},
         {},
         {},
         neverEmpty},
    };
}

class ShippedTableTest : public testing::TestWithParam<SheetTable> {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.Open()) << db.ErrorText().toStdString();
        rs = db.OpenRecordset(QString::fromLatin1(GetParam().table));
        ASSERT_TRUE(rs.IsOpen()) << db.ErrorText().toStdString();
    }
    QStringList storedKeys() {
        QStringList keys;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext())
            keys << rs.Field(QString::fromLatin1(GetParam().keyField));
        return keys;
    }

    ReferenceDatabase db;
    Recordset rs;
};

TEST_P(ShippedTableTest, HasExactlyTheFieldsInOrder) {
    EXPECT_EQ(rs.FieldNames(), GetParam().fields);
}

TEST_P(ShippedTableTest, KeepsTheRowOrderOfItsCsv) {
    const QString table = QString::fromLatin1(GetParam().table);
    const refgen::CsvFile csv =
        refgen::readCsvFile(QDir(referenceDataDirectory()).filePath(table + ".csv"));
    QStringList csvKeys;
    for (const QStringList& row : csv.rows)
        csvKeys << row[csv.column(QString::fromLatin1(GetParam().keyField))];
    EXPECT_EQ(storedKeys(), csvKeys);
}

TEST_P(ShippedTableTest, HoldsAValueForEveryKeyTheSheetCanForm) {
    const SheetTable& t = GetParam();
    const QStringList keys = t.keys.isEmpty() ? storedKeys() : t.keys;
    ASSERT_FALSE(keys.isEmpty());
    for (const QString& key : keys) {
        ASSERT_TRUE(rs.Find(QString::fromLatin1(t.keyField), key)) << rs.ErrorText().toStdString();
        for (const QString& field : t.readFields) {
            const bool empty = rs.Field(field).isEmpty();
            EXPECT_EQ(empty, t.mayBeEmpty(key, field))
                << t.table << " " << key.toStdString() << " " << field.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, ShippedTableTest, testing::ValuesIn(sheetTables()),
                         [](const auto& info) { return std::string(info.param.table); });

// Values pinned to their printed sources, so a slip in a CSV or the generator shows.
struct PinnedValue {
    const char* table;
    const char* keyField;
    const char* key;
    const char* field;
    const char* value;
};
void PrintTo(const PinnedValue& v, std::ostream* os) {
    *os << v.table << " " << v.key << " " << v.field;
}

class PinnedValueTest : public testing::TestWithParam<PinnedValue> {};

TEST_P(PinnedValueTest, MatchesTheSource) {
    const PinnedValue& v = GetParam();
    ReferenceDatabase db;
    ASSERT_TRUE(db.Open()) << db.ErrorText().toStdString();
    Recordset rs = db.OpenRecordset(QString::fromLatin1(v.table));
    EXPECT_EQ(rs.Lookup(QString::fromLatin1(v.keyField), QString::fromLatin1(v.key),
                        QString::fromLatin1(v.field)),
              QString::fromLatin1(v.value))
        << rs.ErrorText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Values, PinnedValueTest,
                         testing::Values(
                             // Written as the code table prints them, not reformatted as numbers.
                             PinnedValue{"tab1Pflcurrent", "Hp", "1", "230V", "8.0"},
                             PinnedValue{"tab1Pflcurrent", "Hp", ".167", "115V", "4.4"},
                             PinnedValue{"tab3Pflcurrent", "Hp", ".25", "208V", "1.1"},
                             PinnedValue{"tab3Pflcurrent", "Hp", "60", "575V", "62"},
                             PinnedValue{"tabdccurrent", "Hp", "100", "230V", "341"},
                             // M+N = BA + N-W.
                             PinnedValue{"MotorFrame", "MotorFrame", "42", "M+N", "3 3/16"},
                             PinnedValue{"MotorFrame", "MotorFrame", "143T", "M+N", "4 1/2"},
                             PinnedValue{"MotorFrame", "MotorFrame", "449TS", "M+N", "12 1/4"},
                             PinnedValue{"MotorFrame", "MotorFrame", "56H", "F", "1 1/2 & 2 1/2"},
                             PinnedValue{"MotorFrame", "MotorFrame", "56H", "V", "1 7/8"}));

// The research worksheet computed the conduit and torque tables on its own; the generator's
// tables must agree with it cell for cell.
struct Worksheet {
    const char* table;
    const char* file;
};
void PrintTo(const Worksheet& w, std::ostream* os) {
    *os << w.table;
}

class WorksheetTest : public testing::TestWithParam<Worksheet> {};

TEST_P(WorksheetTest, GeneratedTableMatchesTheWorksheet) {
    const auto [table, file] = GetParam();
    const refgen::CsvFile expected = refgen::readCsvFile(testDataPath(QString::fromLatin1(file)));
    ReferenceDatabase db;
    ASSERT_TRUE(db.Open()) << db.ErrorText().toStdString();
    Recordset rs = db.OpenRecordset(QString::fromLatin1(table), expected.header);
    ASSERT_TRUE(rs.IsOpen()) << db.ErrorText().toStdString();
    ASSERT_EQ(rs.RecordCount(), expected.rows.size());
    rs.MoveFirst();
    for (const QStringList& row : expected.rows) {
        for (qsizetype field = 0; field < row.size(); ++field)
            EXPECT_EQ(rs.Field(expected.header[field]), row[field])
                << table << " " << row[0].toStdString() << " "
                << expected.header[field].toStdString();
        rs.MoveNext();
    }
}

INSTANTIATE_TEST_SUITE_P(Computed, WorksheetTest,
                         testing::Values(Worksheet{"conduit", "conduit_counts_expected.csv"},
                                         Worksheet{"HPvTorque", "torque_expected.csv"}));

// The NEC code tables. A row is named by its place in stored order (from 0); "" is a cell the
// code leaves empty. The counts and cells are pinned to the printed tables, so a slip in a CSV
// shows as well as one in the generator.
struct CodeCell {
    int row;
    const char* field;
    const char* value;
};

struct CodeTableCase {
    const char* table;
    const char* singleSource; // the CSV of one-source rows joined into the table, or nullptr
    qsizetype rows;
    std::vector<CodeCell> cells;
};
void PrintTo(const CodeTableCase& c, std::ostream* os) {
    *os << c.table;
}

const CodeTableCase codeTableCases[] = {
    {"ampacity_310_16",
     nullptr,
     30,
     {{0, "cu_60C", ""}, {2, "al_75C", ""}, {3, "cu_75C", "25"}, {27, "cu_60C", "525"}}},
    {"temp_correction_310_15_B_1",
     nullptr,
     16,
     {{0, "ambient_c_min", ""},
      {6, "f_90C", "0.91"},
      {10, "f_60C", ""},
      {15, "ambient_f_max", "185"}}},
    {"adjustment_310_15_C_1", nullptr, 6, {{0, "percent", "80"}, {5, "conductors_max", ""}}},
    {"small_conductor_240_4D", nullptr, 8, {{2, "max_ocpd_a", "10"}, {3, "max_ocpd_a", "15"}}},
    {"standard_ocpd_240_6_A",
     nullptr,
     42,
     {{0, "fuse_only", "yes"}, {3, "fuse_only", ""}, {30, "amperes", "601"}}},
    {"conductor_properties_ch9_t8",
     nullptr,
     36,
     {{0, "strand_diameter_in", ""}, {8, "al", "2.00"}, {35, "overall_area_in2", "2.092"}}},
    {"ac_resistance_reactance_ch9_t9",
     nullptr,
     21,
     {{0, "r_al_pvc", ""}, {4, "z_cu_al_085", "0.45"}, {9, "r_cu_al", "0.13"}}},
    {"raceway_areas_ch9_t4",
     "raceway_areas_ch9_t4_single_source",
     91,
     {{1, "total_area_100_in2", "0.533"},
      {10, "total_area_100_in2", ""},
      {34, "one_source", "yes"},
      {52, "area_over2_40_in2", ""},
      {90, "total_area_100_in2", "25.598"}}},
    {"conductor_areas_ch9_t5",
     "conductor_areas_ch9_t5_single_source",
     114,
     {{10, "approx_area_in2", "0.3505"},
      {21, "one_source", "yes"},
      {61, "approx_area_in2", "0.0133"},
      {113, "type_group", "TFN, TFFN"}}},
    {"box_fill_314_16_B", nullptr, 7, {{3, "cubic_inches", "2.25"}, {6, "cubic_inches", "5.00"}}},
    {"metal_boxes_314_16_A",
     nullptr,
     24,
     {{0, "max_8", "5"}, {4, "min_volume_in3", "21.0"}, {4, "max_12", "9"}}},
    {"egc_250_122",
     nullptr,
     19,
     {{2, "cu_size", "10"}, {7, "al_size", "1/0"}, {18, "al_size", "1250"}}},
    {"motor_ocpd_430_52",
     nullptr,
     7,
     {{0, "inverse_time_breaker", "250"},
      {1, "nontime_delay_fuse", ""},
      {3, "instantaneous_trip_breaker", "1100"},
      {5, "dual_element_fuse", "150"}}},
    {"motor_overload_430_32",
     nullptr,
     3,
     {{2, "max_pct_430_32_A_1", "115"}, {2, "max_pct_430_32_C", "130"}}},
    {"transformer_ocpd_450_3_B",
     nullptr,
     2,
     {{0, "primary_less_than_2a_pct", "300"},
      {0, "secondary_9a_or_more_pct", ""},
      {1, "primary_9a_or_more_pct", "250"}}},
};

class CodeTableTest : public testing::TestWithParam<CodeTableCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.Open()) << db.ErrorText().toStdString();
        rs = db.OpenRecordset(QString::fromLatin1(GetParam().table));
        ASSERT_TRUE(rs.IsOpen()) << db.ErrorText().toStdString();
    }
    static refgen::CsvFile csv(const char* stem) {
        return refgen::readCsvFile(
            QDir(referenceDataDirectory()).filePath(QString::fromLatin1(stem) + ".csv"));
    }

    ReferenceDatabase db;
    Recordset rs;
};

TEST_P(CodeTableTest, HoldsItsCountedRowsAndPrintedCells) {
    const CodeTableCase& c = GetParam();
    ASSERT_EQ(rs.RecordCount(), c.rows);
    for (const CodeCell& cell : c.cells) {
        rs.MoveFirst();
        for (int i = 0; i < cell.row; ++i)
            rs.MoveNext();
        EXPECT_EQ(rs.Field(QString::fromLatin1(cell.field)), QString::fromUtf8(cell.value))
            << c.table << " row " << cell.row << " " << cell.field;
    }
}

// Rows as text, one line each, so a difference prints readably.
std::string lines(const QList<QStringList>& rows) {
    QStringList text;
    for (const QStringList& row : rows)
        text << row.join(u'|');
    return text.join(u'\n').toStdString();
}

// Each CSV row is stored unchanged; a joined table holds the confirmed file's rows unmarked and in
// their order, and the single-source file's rows marked (placed by size, so compared as a set).
TEST_P(CodeTableTest, StoresEveryCsvRowAsWritten) {
    const CodeTableCase& c = GetParam();
    const refgen::CsvFile confirmed = csv(c.table);
    QStringList fields = confirmed.header;
    if (c.singleSource)
        fields << "one_source";
    ASSERT_EQ(rs.FieldNames(), fields);

    QList<QStringList> unmarked;
    QList<QStringList> marked;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
        QStringList row;
        for (const QString& field : confirmed.header)
            row << rs.Field(field);
        (c.singleSource && rs.Field("one_source") == "yes" ? marked : unmarked) << row;
    }
    EXPECT_EQ(lines(unmarked), lines(confirmed.rows));
    QList<QStringList> singleSource = c.singleSource ? csv(c.singleSource).rows : marked;
    std::sort(marked.begin(), marked.end());
    std::sort(singleSource.begin(), singleSource.end());
    EXPECT_EQ(lines(marked), lines(singleSource));
}

INSTANTIATE_TEST_SUITE_P(Nec, CodeTableTest, testing::ValuesIn(codeTableCases),
                         [](const auto& info) { return std::string(info.param.table); });

// Raceways keep the order they first appear in, confirmed file first; a one-source trade size
// takes its place by size among the confirmed ones (shown here with "+").
TEST(RacewayAreas, RacewaysAndTradeSizesInOrder) {
    ReferenceDatabase db;
    ASSERT_TRUE(db.Open()) << db.ErrorText().toStdString();
    Recordset rs = db.OpenRecordset("raceway_areas_ch9_t4");
    QStringList raceways;
    QStringList pvc40;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
        if (!raceways.contains(rs.Field("raceway")))
            raceways << rs.Field("raceway");
        if (rs.Field("raceway") == "PVC-40/HDPE")
            pvc40 << rs.Field("trade_size") + (rs.Field("one_source").isEmpty() ? "" : "+");
    }
    EXPECT_EQ(raceways, QStringList({"EMT", "IMC", "RMC", "PVC-40/HDPE", "ENT", "FMC", "LFNC-B",
                                     "LFNC-A", "PVC-80"}));
    EXPECT_EQ(pvc40, QStringList({"1/2+", "3/4", "1+", "1-1/4", "1-1/2", "2", "2-1/2", "3",
                                  "3-1/2+", "4", "5+", "6+"}));
}

} // namespace
