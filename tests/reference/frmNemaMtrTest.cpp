#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>

#include "SheetTestDatabase.h"
#include "common/GlobalSubs.h"
#include "reference/frmNemaMtr.h"
#include "support/ErrorRecorder.h"

namespace {

// Seven frames, so a frame can be first, second, in the middle, next-to-last and last.
const QString frames = QStringLiteral("MotorFrame,D,E,F,U,V,M+N,Keyway\n"
                                      "42,d42,e42,f42,u42,v42,mn42,k42\n"
                                      "48,d48,e48,f48,u48,v48,mn48,k48\n"
                                      "48H,d48H,e48H,f48H,u48H,v48H,mn48H,k48H\n"
                                      "56,d56,e56,f56,u56,v56,mn56,k56\n"
                                      "56H,d56H,e56H,f56H,u56H,v56H,mn56H,k56H\n"
                                      "143T,d143T,e143T,f143T,u143T,v143T,mn143T,k143T\n"
                                      "145T,d145T,e145T,f145T,u145T,v145T,mn145T,k145T\n");

const char* const chartNames[] = {"lblFrameChart", "lblDChart", "lblEChart",  "lblFChart",
                                  "lblUChart",     "lblVChart", "lblMNChart", "lblKeywayChart"};

class frmNemaMtrTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ErrorRecorder errors;

    std::unique_ptr<frmNemaMtr> open(const QString& path) {
        return std::make_unique<frmNemaMtr>(nullptr, path);
    }
    static QLabel* label(QWidget& sheet, const QString& name) {
        auto* l = sheet.findChild<QLabel*>(name);
        EXPECT_NE(l, nullptr) << name.toStdString();
        return l;
    }
    static void choose(frmNemaMtr& sheet, const QString& frame) {
        auto* list = sheet.findChild<QComboBox*>(QStringLiteral("cmbFrame"));
        list->setCurrentIndex(list->findText(frame));
        sheet.cmbFrame_Click();
    }
    // The chart's frame column, top to bottom, with "*" after the rows in bold; a row is bold
    // only when all eight of its cells are.
    static QStringList chartColumn(QWidget& sheet) {
        QStringList rows;
        for (int r = 0; r < 5; ++r) {
            int bold = 0;
            for (const char* name : chartNames)
                bold += label(sheet, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(r))
                            ->font()
                            .bold();
            EXPECT_TRUE(bold == 0 || bold == 8) << "row " << r;
            rows << label(sheet, QStringLiteral("lblFrameChart_%1").arg(r))->text() +
                        (bold == 8 ? QStringLiteral("*") : QString());
        }
        return rows;
    }
};

TEST_F(frmNemaMtrTest, ChartWalksFromTwoRowsBackAndNeverPastEitherEnd) {
    const QString path = writeSheetTestDatabase(dir, {{QStringLiteral("MotorFrame"), frames}});
    auto sheet = open(path);
    const std::pair<const char*, QStringList> cases[] = {
        {"42", {"42*", "48", "48H", "56", "56H"}},
        {"48", {"42", "48*", "48H", "56", "56H"}},
        {"56", {"48", "48H", "56*", "56H", "143T"}},
        {"143T", {"56", "56H", "143T*", "145T", "..."}},
        {"145T", {"56H", "143T", "145T*", "...", "..."}},
        // After the end of the table, back to the start: every earlier bold row is reset.
        {"42", {"42*", "48", "48H", "56", "56H"}},
    };
    for (const auto& [frame, expected] : cases) {
        choose(*sheet, QString::fromLatin1(frame));
        EXPECT_EQ(chartColumn(*sheet), expected) << frame;
    }
    // A row past the end shows "..." in every column.
    for (const char* name : chartNames) {
        choose(*sheet, QStringLiteral("145T"));
        EXPECT_EQ(label(*sheet, QStringLiteral("%1_4").arg(QLatin1String(name)))->text(), "...");
    }
    EXPECT_TRUE(errors.shown.empty());
}

TEST_F(frmNemaMtrTest, ChoosingAFrameWritesItsDimensionsOntoTheDrawing) {
    auto sheet = open(writeSheetTestDatabase(dir, {{QStringLiteral("MotorFrame"), frames}}));
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::NemaMtr);
    auto* list = sheet->findChild<QComboBox*>(QStringLiteral("cmbFrame"));
    EXPECT_EQ(list->count(), 7);
    EXPECT_EQ(list->itemText(5), "143T");
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_TRUE(label(*sheet, QStringLiteral("lblD"))->isHidden());
    EXPECT_TRUE(sheet->findChild<QGroupBox*>(QStringLiteral("fraResults"))->isHidden());

    choose(*sheet, QStringLiteral("56H"));
    const std::pair<const char*, const char*> shown[] = {
        {"lblD", "d56H"},          {"lblE1", "e56H"},
        {"lblE2", "e56H"},         {"lblF1", "f56H"},
        {"lblF2", "f56H"},         {"lblU", "u56H"},
        {"lblV", "v56H"},          {"lblMN", "mn56H"},
        {"lblFrame", "56H"},       {"lblKeyway", "Keyway = k56H"},
        {"lblMNChart_2", "mn56H"}, {"lblKeywayChart_1", "k56"},
    };
    for (const auto& [name, text] : shown) {
        QLabel* l = label(*sheet, QString::fromLatin1(name));
        EXPECT_EQ(l->text(), QString::fromLatin1(text)) << name;
        EXPECT_FALSE(l->isHidden()) << name;
    }
}

TEST_F(frmNemaMtrTest, ShippedTableFillsTheListAndNamesItsSource) {
    frmNemaMtr sheet;
    EXPECT_TRUE(errors.shown.empty());
    auto* list = sheet.findChild<QComboBox*>(QStringLiteral("cmbFrame"));
    ASSERT_GT(list->count(), 30);
    EXPECT_EQ(list->itemText(0), "42");
    EXPECT_TRUE(label(sheet, QStringLiteral("lblSources"))->text().contains("NEMA MG 1"));
    choose(sheet, QStringLiteral("42"));
    EXPECT_EQ(label(sheet, QStringLiteral("lblMN"))->text(), "3 3/16");
    EXPECT_EQ(label(sheet, QStringLiteral("lblKeyway"))->text(), "Keyway = 3/64 flat");
}

// Each fault: the sheet opens without a message, and each choice tells the layer's message once
// and shows no earlier frame. A table without a field still lists its frames.
TEST_F(frmNemaMtrTest, DatabaseFaultsAreToldOnEachChoiceAndLeaveTheSheetUsable) {
    const std::tuple<QString, int, QString> faults[] = {
        {dir.filePath(QStringLiteral("missing.db")), 0, QStringLiteral("was not found")},
        {writeSheetTestDatabase(dir, {{QStringLiteral("other"), QStringLiteral("A,B\n1,2\n")}}), 0,
         QStringLiteral("has no table MotorFrame")},
        {writeSheetTestDatabase(
             dir, {{QStringLiteral("MotorFrame"),
                    QStringLiteral("MotorFrame,D,E,F,U,V,Keyway\n42,1,2,3,4,5,6\n")}}),
         1, QStringLiteral("has no field M+N")},
    };
    for (const auto& [path, listed, message] : faults) {
        errors.shown.clear();
        auto sheet = open(path);
        EXPECT_TRUE(errors.shown.empty()) << message.toStdString();
        auto* list = sheet->findChild<QComboBox*>(QStringLiteral("cmbFrame"));
        EXPECT_EQ(list->count(), listed) << message.toStdString();
        for (int choice = 1; choice <= 2; ++choice) {
            list->setCurrentIndex(listed - 1);
            sheet->cmbFrame_Click();
            ASSERT_EQ(errors.shown.size(), static_cast<std::size_t>(choice))
                << message.toStdString();
            EXPECT_TRUE(errors.shown.back().text.contains(message))
                << errors.shown.back().text.toStdString();
            EXPECT_EQ(errors.shown.back().title, "Error");
            EXPECT_TRUE(label(*sheet, QStringLiteral("lblD"))->isHidden());
        }
    }
}

TEST_F(frmNemaMtrTest, FrameWithoutARowClearsTheEarlierFrame) {
    auto sheet = open(writeSheetTestDatabase(dir, {{QStringLiteral("MotorFrame"), frames}}));
    choose(*sheet, QStringLiteral("56"));
    auto* list = sheet->findChild<QComboBox*>(QStringLiteral("cmbFrame"));
    list->addItem(QStringLiteral("999T"));
    choose(*sheet, QStringLiteral("999T"));
    ASSERT_EQ(errors.shown.size(), 1U);
    EXPECT_TRUE(errors.shown[0].text.contains("no row for MotorFrame = 999T"));
    for (const char* name : {"lblD", "lblFrame", "lblKeyway"})
        EXPECT_TRUE(label(*sheet, QString::fromLatin1(name))->isHidden()) << name;
    EXPECT_TRUE(sheet->findChild<QGroupBox*>(QStringLiteral("fraResults"))->isHidden());
    choose(*sheet, QStringLiteral("145T"));
    EXPECT_EQ(chartColumn(*sheet), (QStringList{"56H", "143T", "145T*", "...", "..."}));
}

} // namespace
