#include "TestDatabases.h"

#include "ConduitFill.h"
#include "DatabaseWriter.h"
#include "GeneratorError.h"
#include "ReferenceDataSet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using refgen::GeneratorError;

struct FillCase {
    double conduitArea;
    double conductorArea;
    int count;
    const char* what;
};

// Counts printed in the code's conduit-fill tables (EMT areas 0.304, 0.533 and 2.036 sq in for
// 1/2, 3/4 and 1 1/2), several of which only come out with the 0.8 round-up.
const FillCase fillCases[] = {
    {0.549, 0.0133, 16, "12 AWG THHN in 3/4 RMC"},
    {2.071, 0.0366, 22, "8 AWG THHN in 1 1/2 RMC"},
    {0.533, 0.3039, 1, "1/0 RHW in 3/4 EMT, 53 % quotient 0.93"},
    {0.533, 0.3505, 1, "2/0 RHW in 3/4 EMT, 53 % quotient 0.81"},
    {2.036, 0.3505, 2, "2/0 RHW in 1 1/2 EMT, 31 % quotient 1.80"},
    {0.304, 0.0507, 2, "6 AWG THHN in 1/2 EMT"},
    {0.304, 0.1855, 1, "1/0 THHN in 1/2 EMT"},
    {7.499, 0.0139, 215, "14 AWG TW in 3 RMC, 40 % quotient 215.798"},
    {0.314, 0.3970, 0, "250 kcmil THHN in 1/2 RMC"},
};

TEST(ConduitFill, MatchesPublishedCounts) {
    for (const FillCase& c : fillCases)
        EXPECT_EQ(refgen::conductorsThatFit(c.conduitArea, c.conductorArea), c.count) << c.what;
}

// A fault planted in a copy of the shipped CSVs, and what the generator must say about it.
struct DataFault {
    const char* file;
    const char* from; // "" removes the file
    const char* to;
    const char* message;
};

void PrintTo(const DataFault& f, std::ostream* os) {
    *os << f.file << ": " << f.message;
}

const DataFault dataFaults[] = {
    {"tab3Pflcurrent.csv", "\n.5,2.4", "\n.25,2.4", "the key .25 appears twice"},
    {"tab1Pflcurrent.csv", "1,16,8.0", "1,16,8.O", "\"8.O\" is not a decimal number"},
    {"tabdccurrent.csv", "15,,55", "15,55", "2 fields where the header has 3"},
    {"MotorFrame.csv", "143T,3 1/2,2 3/4,2,7/8,2 1/4", "143T,3 1/2,2 3/4,2,7/8,2 1/2",
     "frame 143T, V: \"2 1/2\" does not match"},
    {"MotorFrame_extended.csv", "42,2.625,1.75,1.6875,0.8438,2.0625",
     "42,2.625,1.75,1.6875,0.8438,2.06", "frame 42: BA + N-W"},
    {"MotorFrame_extended.csv", "\n449TS,", "\n451TS,", "frame 449TS is missing"},
    {"conduit.csv", "th14,14,", "th14,13,", "no area for THHN/THWN/THWN-2 size 13"},
    {"conduit_area_rmc.csv", "3.408", "-3.408", "\"-3.408\" is not an area"},
    {"HPvTorque.csv", "\n1.5\n", "\nfast\n", "\"fast\" is not a horsepower"},
    {"sources.csv", "\nHPvTorque,", "\nTorque,", "there is no table Torque"},
    {"sources.csv", "\ntabdccurrent,", "\ntab3Pflcurrent,", "no source for table tabdccurrent"},
    {"conductor_area.csv", "", "", "cannot read"},
    {"ampacity_310_16.csv", "\n12,AWG,20,25,30,", "\n12,AWG,20,25,3O,",
     "field cu_90C: \"3O\" is not a decimal number"},
    {"standard_ocpd_240_6_A.csv", "\n601,yes", "\n601,no", "\"no\" is not \"yes\" or empty"},
    {"raceway_areas_ch9_t4_single_source.csv", "352,PVC-40/HDPE,1/2,", "352,PVC-40/HDPE,3/4,",
     "the key PVC-40/HDPE 3/4 appears twice"},
    {"raceway_areas_ch9_t4.csv", "358,EMT,3/4,21,0.824,0.533", "358,EMT,3/4,21,0.824,0.133",
     "in EMT, total_area_100_in2 0.133 follows 0.304"},
};

class DataFaultTest : public testing::TestWithParam<DataFault> {};

TEST_P(DataFaultTest, StopsTheBuildWithWhereAndWhat) {
    const DataFault& fault = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir source(referenceDataDirectory());
    for (const QString& name : source.entryList({"*.csv"}, QDir::Files))
        ASSERT_TRUE(QFile::copy(source.filePath(name), dir.filePath(name)));

    const QString path = dir.filePath(QString::fromLatin1(fault.file));
    if (*fault.from == '\0') {
        ASSERT_TRUE(QFile::remove(path));
    } else {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        ASSERT_TRUE(text.contains(fault.from)) << fault.from;
        text.replace(fault.from, fault.to);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    try {
        refgen::buildReferenceTables(dir.path());
        ADD_FAILURE() << "no error for " << fault.file;
    } catch (const GeneratorError& error) {
        EXPECT_TRUE(error.message().contains(QString::fromLatin1(fault.message))) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, DataFaultTest, testing::ValuesIn(dataFaults));

TEST(DatabaseWriter, FailedRunLeavesTheEarlierDatabaseAlone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("flcurrents.db");
    const QList<refgen::ReferenceTable> tables =
        refgen::buildReferenceTables(referenceDataDirectory());
    refgen::writeDatabase(tables, path);
    const FileSnapshot before = FileSnapshot::of(path);

    // The same table twice cannot be written: the run fails part way.
    EXPECT_THROW(refgen::writeDatabase(tables + tables, path), GeneratorError);
    EXPECT_EQ(FileSnapshot::of(path), before);
    EXPECT_EQ(before.folder, QStringList{"flcurrents.db"});
}

} // namespace
