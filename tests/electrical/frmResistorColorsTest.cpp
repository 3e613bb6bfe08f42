#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>

#include "common/GlobalSubs.h"
#include "electrical/frmResistorColors.h"

namespace {

class frmResistorColorsTest : public ::testing::Test {
protected:
    frmResistorColors sheet;

    void SetUp() override { sheet.show(); }
    QRadioButton* option(char list, int index) {
        return sheet.findChild<QRadioButton*>(QStringLiteral("opt%1_%2").arg(list).arg(index));
    }
    QLabel* label(const char* name) { return sheet.findChild<QLabel*>(name); }
    QColor band(const char* name) { return label(name)->palette().color(QPalette::Window); }
    QString value() { return label("lblOhms")->text(); }
};

TEST_F(frmResistorColorsTest, OpensWithTheDesignSelection) {
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::ResistorColors);
    EXPECT_EQ(value(), "1 ohm, 1%");
    for (auto [list, index] : {std::pair{'A', 0}, {'B', 1}, {'C', 0}, {'D', 1}})
        EXPECT_TRUE(option(list, index)->isChecked()) << list;
    EXPECT_EQ(band("lblA"), QColor(0, 0, 0));
    EXPECT_EQ(band("lblB"), QColor(128, 128, 0));
    EXPECT_EQ(option('C', 10)->text(), "Gold (0.1- EIA)");
    // The tolerance list keeps its colour indexes: six elements exist but are never shown.
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(option('D', i)->isVisible(), !(i == 0 || (i >= 5 && i <= 9))) << i;
}

TEST_F(frmResistorColorsTest, ClicksColourTheBandsAndRecomposeTheValue) {
    option('A', 2)->click();
    EXPECT_EQ(value(), "21 ohms, 1%");
    EXPECT_EQ(band("lblA"), QColor(255, 0, 0));
    option('A', 0)->click();
    EXPECT_EQ(value(), "1 ohms, 1%");

    option('A', 1)->click();
    option('B', 0)->click();
    option('C', 5)->click();
    option('D', 12)->click();
    EXPECT_EQ(value(), "1.0M ohms, 20%");
    EXPECT_FALSE(label("lblD")->isVisible());
    option('D', 2)->click();
    EXPECT_EQ(value(), "1.0M ohms, 2%");
    EXPECT_TRUE(label("lblD")->isVisible());
    EXPECT_EQ(band("lblD"), QColor(255, 0, 0));
    EXPECT_EQ(band("lblC"), QColor(0, 255, 0));
}

} // namespace
