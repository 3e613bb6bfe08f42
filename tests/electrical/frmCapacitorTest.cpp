#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "common/DrawingView.h"
#include "common/GlobalSubs.h"
#include "electrical/frmCapacitor.h"
#include "support/ErrorRecorder.h"

namespace {

struct Component {
    qint16 mode;
    const char* heading;
    const char* caption; // of the first entry
    const char* unit;
    const char* answer;
    const char* formulaCaption;
    // Series then parallel: the total of 3 and 4.5, its formula, the picture shown.
    std::array<const char*, 2> totals, formulas, pictures;
};

const Component components[] = {
    {-1,
     "Capacitor Calculations",
     "C1",
     "(F)",
     "Ctotal",
     "Ctotal=",
     {"1.80", "7.50"},
     {"1/(1/C1 + 1/C2)", "C1 + C2"},
     {"picSeries", "picParallel"}},
    {0,
     "Inductor Calculations",
     "L1",
     "(mH's)",
     "Ltotal",
     "Ltotal=",
     {"7.50", "1.80"},
     {"L1 + L2", "1/(1/L1 + 1/L2)"},
     {nullptr, nullptr}},
};

TEST(frmCapacitor, BothComponentsWithTheirRulesAndPictures) {
    ErrorRecorder errors;
    for (const Component& c : components) {
        GlobalSubs::CapacitorMode = c.mode;
        frmCapacitor sheet;
        sheet.show();
        EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::Capacitor);
        auto text = [&](const QString& name) { return sheet.findChild<QLabel*>(name)->text(); };
        EXPECT_EQ(text("lblHeading"), c.heading);
        EXPECT_EQ(text("Label1_0"), c.caption);
        EXPECT_EQ(text("Label1_11"), QString(c.caption).replace('1', "12"));
        EXPECT_EQ(text("Label4_5"), c.unit);
        EXPECT_EQ(text("Label14_0"), c.unit);
        EXPECT_EQ(text("lblAnswer_0"), c.answer);
        EXPECT_EQ(text("lblFormula1_2"), c.formulaCaption);

        auto* first = sheet.findChild<QLineEdit*>("txtCn_0");
        QTest::keyClicks(first, "3");
        QTest::keyClicks(sheet.findChild<QLineEdit*>("txtCn_1"), "4.5");
        for (int circuit : {0, 1}) {
            sheet.findChild<QRadioButton*>(QStringLiteral("optSorP_%1").arg(circuit))->click();
            for (const char* picture : {"picSeries", "picParallel"})
                EXPECT_EQ(sheet.findChild<DrawingView*>(picture)->isVisible(),
                          c.pictures[circuit] && QString(picture) == c.pictures[circuit])
                    << c.heading << " " << picture;
            QTest::keyClick(first, Qt::Key_Return);
            EXPECT_EQ(sheet.findChild<QLineEdit*>("txtCtotal_0")->text(), c.totals[circuit]);
            EXPECT_EQ(text("lblFormula"), c.formulas[circuit]);
        }
    }
    EXPECT_TRUE(errors.shown.empty());
}

} // namespace
