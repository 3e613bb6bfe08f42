#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <cstdlib>

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

// Every colour caption stays readable on a light and on a dark desktop: its colour stands far
// enough from the face it is drawn on.
TEST(frmResistorColorsFaces, EveryCaptionStandsOutOnLightAndDarkDesktops) {
    const QPalette desktop = QApplication::palette();
    for (const QColor window : {QColor(240, 240, 240), QColor(45, 45, 45)}) {
        QPalette palette = desktop;
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::Button, window);
        const QColor text = window.lightness() < 128 ? QColor(230, 230, 230) : QColor(Qt::black);
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::ButtonText, text);
        QApplication::setPalette(palette);
        frmResistorColors sheet;
        for (const QRadioButton* option : sheet.findChildren<QRadioButton*>()) {
            const QPalette p = option->palette();
            const QColor face = option->autoFillBackground() ? p.color(QPalette::Button) : window;
            EXPECT_GE(std::abs(qGray(p.color(QPalette::ButtonText).rgb()) - qGray(face.rgb())), 80)
                << option->text().toStdString() << " on window " << window.name().toStdString();
        }
    }
    QApplication::setPalette(desktop);
}

} // namespace
