#include "TestDatabases.h"

#include "CsvFile.h"
#include "database/ReferenceDatabase.h"

#include <QDir>
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

} // namespace
