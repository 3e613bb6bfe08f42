#include "TestDatabases.h"

#include "database/ReferenceDatabase.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Short names for the test list (gtest would otherwise print the raw bytes).
QString shown(const char* text) {
    return *text ? QString::fromLatin1(text) : QStringLiteral("(empty)");
}

// The sample table, rows in the order of sample_keys.csv.
const QStringList sampleKeys{".25", "1", "1.5", "10", "th14", "th0", "56H"};

class SampleTableTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(db.Open(buildSampleDatabase(dir))) << db.ErrorText().toStdString();
        rs = db.OpenRecordset(QStringLiteral("sample"));
        ASSERT_TRUE(rs.IsOpen()) << db.ErrorText().toStdString();
    }
    QString key() const { return rs.Field(QStringLiteral("Key")); }

    QTemporaryDir dir;
    ReferenceDatabase db;
    Recordset rs;
};

TEST_F(SampleTableTest, KeepsStoredOrderBothWays) {
    QStringList forward;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext())
        forward << key();
    EXPECT_EQ(forward, sampleKeys);

    QStringList backward;
    for (rs.MoveLast(); !rs.BOF(); rs.MovePrevious())
        backward.prepend(key());
    EXPECT_EQ(backward, sampleKeys);
}

struct FindCase {
    const char* key;
    const char* value; // nullptr: no row
};
void PrintTo(const FindCase& c, std::ostream* os) {
    *os << shown(c.key).toStdString();
}

class FindTest : public SampleTableTest, public testing::WithParamInterface<FindCase> {};

TEST_P(FindTest, FindsTheRowOrStopsAtTheEnd) {
    const FindCase& c = GetParam();
    const QString wanted = QString::fromLatin1(c.key);
    rs.MoveLast(); // a search starts from the first row wherever the cursor is
    const bool found = rs.Find(QStringLiteral("Key"), wanted);
    if (c.value) {
        ASSERT_TRUE(found) << rs.ErrorText().toStdString();
        EXPECT_EQ(rs.Field(QStringLiteral("Value")), QString::fromLatin1(c.value));
        EXPECT_TRUE(rs.ErrorText().isEmpty());
    } else {
        EXPECT_FALSE(found);
        EXPECT_TRUE(rs.EOF());
        EXPECT_EQ(rs.Field(QStringLiteral("Value")), QString());
        EXPECT_EQ(
            rs.ErrorText(),
            QStringLiteral("The reference table sample has no row for Key = %1.").arg(wanted));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FindTest,
    testing::Values(FindCase{".25", "quarter"}, FindCase{"0.25", "quarter"}, FindCase{"1", "one"},
                    FindCase{"1.0", "one"}, FindCase{"1.50", "one and a half"},
                    FindCase{"10", "ten"}, FindCase{"th14", "text key"},
                    FindCase{"th0", "text zero"}, FindCase{"56H", "frame"},
                    FindCase{"TH14", nullptr}, FindCase{"th00", nullptr}, FindCase{"0", nullptr},
                    FindCase{"56", nullptr}, FindCase{"2", nullptr}, FindCase{"", nullptr},
                    // Numbers are plain decimals only: blanks around them are ignored, but an
                    // exponent or "inf" makes a text key.
                    FindCase{" 1 ", "one"}, FindCase{".250", "quarter"}, FindCase{"1e0", nullptr},
                    FindCase{".333", nullptr}, FindCase{"inf", nullptr}));

TEST_F(SampleTableTest, FindAfterAFailedFindStillWorks) {
    EXPECT_FALSE(rs.Find(QStringLiteral("Key"), QStringLiteral("none")));
    EXPECT_TRUE(rs.Find(QStringLiteral("Key"), QStringLiteral(".25")));
    EXPECT_EQ(key(), QStringLiteral(".25"));
    EXPECT_TRUE(rs.ErrorText().isEmpty());
}

enum class Move { First, Next, Previous, Last };

struct Step {
    Move move;
    bool bof;
    bool eof;
    const char* key; // the current row's key, "" at BOF or EOF
};

// Walks over both ends the way the frame chart does: stepping back before the first row, then
// on again, and past the last row and back.
const std::vector<Step> walk{
    {Move::First, false, false, ".25"},    {Move::Previous, true, false, ""},
    {Move::Previous, true, false, ""},     {Move::Next, false, false, ".25"},
    {Move::Next, false, false, "1"},       {Move::Last, false, false, "56H"},
    {Move::Next, false, true, ""},         {Move::Next, false, true, ""},
    {Move::Previous, false, false, "56H"}, {Move::Previous, false, false, "th0"},
    {Move::First, false, false, ".25"},
};

TEST_F(SampleTableTest, CursorNeverRunsPastEitherEnd) {
    for (std::size_t i = 0; i < walk.size(); ++i) {
        const Step& step = walk[i];
        switch (step.move) {
        case Move::First:
            rs.MoveFirst();
            break;
        case Move::Next:
            rs.MoveNext();
            break;
        case Move::Previous:
            rs.MovePrevious();
            break;
        case Move::Last:
            rs.MoveLast();
            break;
        }
        EXPECT_EQ(rs.BOF(), step.bof) << "step " << i;
        EXPECT_EQ(rs.EOF(), step.eof) << "step " << i;
        EXPECT_EQ(key(), QString::fromLatin1(step.key)) << "step " << i;
    }
}

TEST_F(SampleTableTest, FieldsReadAsTextAndEmptyCellsAsEmpty) {
    EXPECT_EQ(rs.FieldNames(), (QStringList{"Key", "Value", "Note"}));
    EXPECT_EQ(rs.Field(QStringLiteral("Note")), QStringLiteral("first row"));
    rs.MoveNext();
    EXPECT_EQ(rs.Field(QStringLiteral("Note")), QString());
    EXPECT_EQ(rs.Field(QStringLiteral("Volume")), QString());
}

TEST_F(SampleTableTest, LookupReturnsTheCellOrSaysWhatIsMissing) {
    EXPECT_EQ(rs.Lookup(QStringLiteral("Key"), QStringLiteral("1.5"), QStringLiteral("Value")),
              QStringLiteral("one and a half"));
    EXPECT_EQ(rs.Lookup(QStringLiteral("Key"), QStringLiteral("1.5"), QStringLiteral("Note")),
              QString());

    EXPECT_EQ(rs.Lookup(QStringLiteral("Key"), QStringLiteral("1.5"), QStringLiteral("Volume")),
              std::nullopt);
    EXPECT_EQ(rs.ErrorText(), QStringLiteral("The reference table sample has no field Volume."));

    EXPECT_EQ(rs.Lookup(QStringLiteral("Hp"), QStringLiteral("1.5"), QStringLiteral("Value")),
              std::nullopt);
    EXPECT_EQ(rs.ErrorText(), QStringLiteral("The reference table sample has no field Hp."));
    EXPECT_TRUE(rs.EOF());
}

TEST_F(SampleTableTest, EmptyTableIsAtBothEnds) {
    Recordset empty = db.OpenRecordset(QStringLiteral("empty"));
    ASSERT_TRUE(empty.IsOpen());
    EXPECT_EQ(empty.RecordCount(), 0);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(empty.BOF() && empty.EOF());
        empty.MoveNext();
        empty.MovePrevious();
    }
    EXPECT_FALSE(empty.Find(QStringLiteral("Key"), QStringLiteral("1")));
    EXPECT_TRUE(empty.EOF());
}

TEST_F(SampleTableTest, ClosedRecordsetRefusesSearches) {
    rs.Close();
    rs.Close();
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_TRUE(rs.BOF() && rs.EOF());
    EXPECT_FALSE(rs.Find(QStringLiteral("Key"), QStringLiteral(".25")));
    EXPECT_EQ(rs.ErrorText(), QStringLiteral("No reference table is open to look up Key = .25."));
}

} // namespace
