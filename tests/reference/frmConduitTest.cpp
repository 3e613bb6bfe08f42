#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "SheetTestDatabase.h"
#include "common/GlobalSubs.h"
#include "database/ReferenceDatabase.h"
#include "reference/frmConduit.h"
#include "support/ErrorRecorder.h"

namespace {

using namespace ConduitChoices;

class frmConduitTest : public ::testing::Test {
protected:
    ErrorRecorder errors;

    template <class T> static T* child(QWidget& sheet, const QString& name) {
        T* w = sheet.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    static QRadioButton* size(QWidget& sheet, int i) {
        return child<QRadioButton>(sheet, QStringLiteral("optSize_%1").arg(i));
    }
    static QStringList results(QWidget& sheet) {
        QStringList texts;
        for (const char* name : {"lblConductors", "lblWsize", "lblCsize"})
            texts << child<QLabel>(sheet, QString::fromLatin1(name))->text();
        return texts;
    }
    static void find(QWidget& sheet) {
        QTest::mouseClick(child<QPushButton>(sheet, QStringLiteral("cmdFind")), Qt::LeftButton);
    }
};

TEST_F(frmConduitTest, AtLoadFindReadsTheHalfInchCountOfTh14) {
    frmConduit sheet;
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::Conduit);
    EXPECT_TRUE(child<QLabel>(sheet, QStringLiteral("lblConductors"))->isHidden());
    find(sheet);
    EXPECT_TRUE(errors.shown.empty());
    EXPECT_EQ(results(sheet), (QStringList{"12", "14 (AWG)", "1/2"}));
    EXPECT_FALSE(child<QLabel>(sheet, QStringLiteral("Label9"))->isHidden());
    EXPECT_TRUE(child<QLabel>(sheet, QStringLiteral("lblSources"))->text().contains("rigid metal"));
}

TEST_F(frmConduitTest, SearchUsesTheChosenSizesOnlyWhenFindIsPressed) {
    frmConduit sheet;
    sheet.optSize_Click(10); // "00"
    find(sheet);
    const QStringList first = results(sheet);
    EXPECT_EQ(first.mid(1), (QStringList{"00 (AWG)", "1/2"}));
    child<QRadioButton>(sheet, QStringLiteral("optConSize_11"))->setChecked(true);
    EXPECT_EQ(results(sheet), first);
    find(sheet);
    EXPECT_EQ(results(sheet)[2], "6");
    sheet.optType_Click(7); // not an option: nothing changes
    sheet.optSize_Click(21);
    find(sheet);
    EXPECT_EQ(results(sheet)[1], "00 (AWG)");
}

// Every wire type: the size it selects, exactly its sizes enabled, and a row in the shipped
// table for every key it can form with every conduit size.
TEST_F(frmConduitTest, EachTypeEnablesItsSizesAndEveryKeyHasARow) {
    frmConduit sheet;
    ReferenceDatabase database;
    ASSERT_TRUE(database.Open());
    Recordset shipped = database.OpenRecordset(QString::fromLatin1(table));
    int keys = 0;
    for (const WireType& type : wireTypes) {
        child<QRadioButton>(sheet, QStringLiteral("optType_%1").arg(type.option))->setChecked(true);
        EXPECT_TRUE(size(sheet, type.selectedSize)->isChecked()) << type.code;
        for (int i = 0; i < static_cast<int>(wireSizes.size()); ++i) {
            const bool enabled = (type.enabledSizes >> i) & 1U;
            EXPECT_EQ(size(sheet, i)->isEnabled(), enabled) << type.code << ' ' << wireSizes[i];
            if (!enabled)
                continue;
            ++keys;
            const QString key =
                lookupKey(QString::fromLatin1(type.code), QString::fromLatin1(wireSizes[i]));
            for (const char* conduit : conduitSizes)
                EXPECT_TRUE(conductorCount(shipped, key, QString::fromLatin1(conduit)))
                    << shipped.ErrorText().toStdString();
        }
    }
    EXPECT_EQ(keys, 50);
    EXPECT_EQ(shipped.RecordCount(), 50);
}

TEST_F(frmConduitTest, DatabaseFaultsAreToldAndClearTheAnswer) {
    QTemporaryDir dir;
    QString header = QStringLiteral("ConductorSize");
    for (const char* conduit : conduitSizes)
        header += QStringLiteral(",\"%1\"").arg(QLatin1String(conduit));
    const QString onlyTh14 = header + QStringLiteral("\nth14,1,2,3,4,5,6,7,8,9,10,11,12\n");
    const QString path = writeSheetTestDatabase(dir, {{QString::fromLatin1(table), onlyTh14}});

    frmConduit sheet(nullptr, path);
    find(sheet);
    EXPECT_EQ(results(sheet), (QStringList{"1", "14 (AWG)", "1/2"}));
    sheet.optSize_Click(1);
    find(sheet);
    ASSERT_EQ(errors.shown.size(), 1U);
    EXPECT_TRUE(errors.shown[0].text.contains("no row for ConductorSize = th12"));
    EXPECT_EQ(results(sheet), (QStringList{"", "", ""}));
    EXPECT_TRUE(child<QLabel>(sheet, QStringLiteral("Label9"))->isHidden());

    // A missing database: the sheet opens quietly and each search tells it once.
    errors.shown.clear();
    frmConduit missing(nullptr, dir.filePath(QStringLiteral("missing.db")));
    EXPECT_TRUE(errors.shown.empty());
    find(missing);
    find(missing);
    ASSERT_EQ(errors.shown.size(), 2U);
    EXPECT_EQ(errors.shown[1].text, errors.shown[0].text);
    EXPECT_TRUE(errors.shown[1].text.contains("was not found"));
    EXPECT_EQ(errors.shown[1].title, "Error");
    EXPECT_TRUE(child<QLabel>(missing, QStringLiteral("lblConductors"))->isHidden());
}

} // namespace
