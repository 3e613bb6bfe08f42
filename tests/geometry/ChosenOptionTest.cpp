#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include "common/GlobalSubs.h"
#include "common/OptionChoice.h"
#include "geometry/FigureLayouts.h"
#include "geometry/frmCircle.h"
#include "geometry/frmSquare.h"
#include "support/ErrorRecorder.h"

// A click on the option that is already chosen runs its handler, however the click is made.
namespace {

const std::pair<const char*, std::function<void(QRadioButton*)>> clicks[] = {
    {"mouse",
     [](QRadioButton* o) { QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2)); }},
    {"space bar", [](QRadioButton* o) { QTest::keyClick(o, Qt::Key_Space); }},
    {"screen reader",
     [](QRadioButton* o) {
         QAccessible::queryAccessibleInterface(o)->actionInterface()->doAction(
             QAccessibleActionInterface::toggleAction());
     }},
};

// The shown answers and entries, joined: "" when all are empty.
QString shownTexts(QWidget* sheet) {
    QString out;
    for (QLabel* w : sheet->findChildren<QLabel*>(QRegularExpression(u"^lblAnswer_"_qs)))
        out += w->isVisibleTo(sheet) ? w->text() : QString();
    for (QLineEdit* w : sheet->findChildren<QLineEdit*>())
        out += w->isVisibleTo(sheet) ? w->text() : QString();
    return out;
}

} // namespace

TEST(ChosenOptionTest, AClickOnTheOnlyOptionClearsTheSheet) {
    ErrorRecorder errors;
    // The figures whose layout shows one option, then the ellipse (-1).
    std::vector<qint16> figures;
    const auto layouts = FigureLayouts::allLayouts();
    for (qint16 f = 0; f < static_cast<qint16>(layouts.size()); ++f)
        if (!layouts[f].options[1])
            figures.push_back(f);
    figures.push_back(-1);
    ASSERT_EQ(figures.size(), 9u);

    for (const qint16 figure : figures) {
        for (const auto& [how, click] : clicks) {
            SCOPED_TRACE(std::string(figure < 0 ? "Ellipse" : layouts[figure].title) + ", " + how);
            GlobalSubs::FigureSelect = figure;
            GlobalSubs::CircleSelect = 2;
            std::unique_ptr<QWidget> sheet(figure < 0 ? static_cast<QWidget*>(new frmCircle)
                                                      : new frmSquare);
            sheet->show();
            for (QLineEdit* box : sheet->findChildren<QLineEdit*>())
                if (box->isVisibleTo(sheet.get()))
                    QTest::keyClicks(box, QStringLiteral("3"));
            sheet->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
            ASSERT_FALSE(shownTexts(sheet.get()).isEmpty());

            auto* option = sheet->findChild<QRadioButton*>(
                figure < 0 ? QStringLiteral("optGivencircle_0") : QStringLiteral("optGivenrect_0"));
            click(option);
            EXPECT_TRUE(option->isChecked());
            EXPECT_EQ(shownTexts(sheet.get()).toStdString(), "");
        }
    }
    EXPECT_TRUE(errors.shown.empty());
}

// A change of choice runs the newly chosen option's handler once, not again for the click.
TEST(ChosenOptionTest, AChangeOfChoiceRunsTheHandlerOnce) {
    for (const auto& [how, click] : clicks) {
        SCOPED_TRACE(how);
        QWidget group;
        QRadioButton first(QStringLiteral("one"), &group), second(QStringLiteral("two"), &group);
        first.setChecked(true);
        int runs = 0;
        onOptionChosen(&first, [] { ADD_FAILURE() << "the option left ran"; });
        onOptionChosen(&second, [&runs] { ++runs; });
        group.show();
        click(&second);
        EXPECT_EQ(runs, 1);
        click(&second);
        EXPECT_EQ(runs, 2);
    }
}
