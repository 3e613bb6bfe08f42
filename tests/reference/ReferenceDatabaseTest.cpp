#include "TestDatabases.h"

#include "database/ReferenceDatabase.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

QStringList referenceConnections() {
    return QSqlDatabase::connectionNames().filter(QStringLiteral("kelvo_reference_"));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray firstBytes(const QString& path, qint64 count) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(count) : QByteArray();
}

// A fault: how to lay out the file in a fresh folder (given the folder and a sample database
// built in it), and the parts the message must contain. %1 in a part stands for the path.
struct FaultCase {
    const char* name;
    std::function<QString(const QTemporaryDir&, const QString& sample)> makeFile;
    const char* table; // opened after a successful Open
    QStringList requiredFields;
    QStringList messageParts;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

const FaultCase faultCases[] = {
    {"MissingFile",
     [](const QTemporaryDir& dir, const QString&) { return dir.filePath("nowhere.db"); },
     "sample",
     {},
     {"was not found", "Looked in:", "%1"}},
    {"EmptyFile",
     [](const QTemporaryDir& dir, const QString&) {
         const QString path = dir.filePath("empty.db");
         writeFile(path, {});
         return path;
     },
     "sample",
     {},
     {"%1", "is empty"}},
    {"TextFile",
     [](const QTemporaryDir& dir, const QString&) {
         const QString path = dir.filePath("notes.db");
         writeFile(path, "Hp,115V,230V\n1,16,8.0\n");
         return path;
     },
     "sample",
     {},
     {"%1", "is not a readable reference database"}},
    {"Folder",
     [](const QTemporaryDir& dir, const QString&) { return dir.path(); },
     "sample",
     {},
     {"%1", "is not a file"}},
    {"TruncatedDatabase",
     [](const QTemporaryDir& dir, const QString& sample) {
         const QString path = dir.filePath("cut.db");
         writeFile(path, firstBytes(sample, 4096));
         return path;
     },
     "sample",
     {},
     {"%1", "is not a readable reference database"}},
    {"DamagedTable",
     [](const QTemporaryDir& dir, const QString& sample) {
         // Page 1 (the schema) intact, page 2 (the sample table's rows) overwritten.
         const QString path = dir.filePath("damaged.db");
         const QByteArray whole = firstBytes(sample, 1 << 20);
         writeFile(path, whole.left(4096) + QByteArray(4096, '\xff') + whole.mid(8192));
         return path;
     },
     "sample",
     {},
     {"The table sample of the reference database %1 cannot be read"}},
    {"MissingTable",
     [](const QTemporaryDir&, const QString& sample) { return sample; },
     "tab3Pflcurrent",
     {},
     {"%1", "has no table tab3Pflcurrent"}},
    {"MissingField",
     [](const QTemporaryDir&, const QString& sample) { return sample; },
     "sample",
     {"Key", "M+N"},
     {"%1", "table sample", "has no field M+N"}},
};

class FaultTest : public testing::TestWithParam<FaultCase> {};

// Every fault ends in a message, never a crash or a hang, and leaves no connection behind.
TEST_P(FaultTest, IsReportedWithWhatIsMissing) {
    const FaultCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString sample = buildSampleDatabase(dir);
    const QString path = c.makeFile(dir, sample);

    QString message;
    {
        ReferenceDatabase db;
        if (!db.Open(path)) {
            message = db.ErrorText();
            EXPECT_FALSE(db.IsOpen());
            const Recordset rs = db.OpenRecordset(QString::fromLatin1(c.table));
            EXPECT_FALSE(rs.IsOpen());
            EXPECT_TRUE(rs.ErrorText().contains("is not open"));
        } else {
            const Recordset rs = db.OpenRecordset(QString::fromLatin1(c.table), c.requiredFields);
            EXPECT_FALSE(rs.IsOpen());
            EXPECT_EQ(rs.ErrorText(), db.ErrorText());
            message = db.ErrorText();
        }
    }
    for (const QString& part : c.messageParts)
        EXPECT_TRUE(message.contains(QString(part).replace("%1", QDir::toNativeSeparators(path))))
            << "message: " << message.toStdString() << "\nlacks: " << part.toStdString();
    EXPECT_TRUE(referenceConnections().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest, testing::ValuesIn(faultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReferenceDatabase, ReadingChangesNothingAndLeavesNoFilesBeside) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("flcurrents.db"));
    ASSERT_TRUE(QFile::copy(buildSampleDatabase(dir), path));
    QFile::remove(dir.filePath(QStringLiteral("sample.db")));
    const FileSnapshot before = FileSnapshot::of(path);

    {
        ReferenceDatabase db;
        ASSERT_TRUE(db.Open(path));
        for (const char* table : {"sample", "empty", "sample"}) {
            Recordset rs = db.OpenRecordset(QString::fromLatin1(table));
            ASSERT_TRUE(rs.IsOpen());
            rs.Find(QStringLiteral("Key"), QStringLiteral("56H"));
            for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext())
                rs.Field(QStringLiteral("Value"));
            EXPECT_EQ(FileSnapshot::of(path), before) << "while open";
        }
        db.OpenRecordset(QStringLiteral("missing"));
    }
    EXPECT_EQ(FileSnapshot::of(path), before);
}

TEST(ReferenceDatabase, ClosesInAnyOrderAndTwice) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = buildSampleDatabase(dir);

    ReferenceDatabase first;
    ReferenceDatabase second;
    ASSERT_TRUE(first.Open(path));
    ASSERT_TRUE(second.Open(path));
    EXPECT_EQ(referenceConnections().size(), 2);

    Recordset rs = first.OpenRecordset(QStringLiteral("sample"));
    first.Close(); // the database before its table
    first.Close();
    EXPECT_FALSE(first.IsOpen());
    EXPECT_TRUE(rs.Find(QStringLiteral("Key"), QStringLiteral("10")));
    rs.Close();
    rs.Close();

    // Closing one connection leaves the other working.
    Recordset other = second.OpenRecordset(QStringLiteral("sample"));
    EXPECT_TRUE(other.Find(QStringLiteral("Key"), QStringLiteral("th14")));
    EXPECT_EQ(referenceConnections().size(), 1);

    // Opening again replaces the connection rather than adding one.
    ASSERT_TRUE(second.Open(path));
    EXPECT_EQ(referenceConnections().size(), 1);
    second.Close();
    EXPECT_TRUE(referenceConnections().isEmpty());
}

TEST(ReferenceDatabase, DefaultOpenFindsTheDatabaseBesideTheProgram) {
    ReferenceDatabase db;
    ASSERT_TRUE(db.Open()) << db.ErrorText().toStdString();
    EXPECT_EQ(QDir::cleanPath(db.Path()), ReferenceDatabase::DefaultPaths().first());
}

} // namespace
