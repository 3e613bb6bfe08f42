#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
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

using Click = std::function<void(QRadioButton*)>;

const std::pair<const char*, Click> clicks[] = {
    {"mouse",
     [](QRadioButton* o) { QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2)); }},
    {"space bar",
     [](QRadioButton* o) {
         QTest::keyPress(o, Qt::Key_Space);
         QTest::keyRelease(o, Qt::Key_Space);
     }},
    {"screen reader",
     [](QRadioButton* o) {
         QAccessible::queryAccessibleInterface(o)->actionInterface()->doAction(
             QAccessibleActionInterface::toggleAction());
     }},
};

struct SingleOptionSheet {
    std::string name;
    std::function<QWidget*()> open;
    QString option;
};

// The figures whose layout shows one option, and the ellipse.
std::vector<SingleOptionSheet> singleOptionSheets() {
    std::vector<SingleOptionSheet> out;
    const auto layouts = FigureLayouts::allLayouts();
    for (qint16 f = 0; f < static_cast<qint16>(layouts.size()); ++f) {
        if (layouts[f].options[1])
            continue;
        out.push_back({layouts[f].title,
                       [f] {
                           GlobalSubs::FigureSelect = f;
                           return new frmSquare;
                       },
                       QStringLiteral("optGivenrect_0")});
    }
    out.push_back({"Ellipse",
                   [] {
                       GlobalSubs::CircleSelect = 2;
                       return new frmCircle;
                   },
                   QStringLiteral("optGivencircle_0")});
    return out;
}

QStringList texts(QWidget* sheet, const QString& prefix) {
    QStringList out;
    for (QWidget* w : sheet->findChildren<QWidget*>()) {
        if (!w->objectName().startsWith(prefix) || !w->isVisibleTo(sheet))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            out << label->text();
        else if (auto* box = qobject_cast<QLineEdit*>(w))
            out << box->text();
    }
    return out;
}

bool allEmpty(const QStringList& list) {
    return std::all_of(list.begin(), list.end(), [](const QString& t) { return t.isEmpty(); });
}

} // namespace

TEST(ChosenOptionTest, AClickOnTheOnlyOptionClearsTheSheet) {
    ErrorRecorder errors;
    const auto sheets = singleOptionSheets();
    ASSERT_EQ(sheets.size(), 9u);
    for (const SingleOptionSheet& s : sheets) {
        for (const auto& [how, click] : clicks) {
            SCOPED_TRACE(s.name + ", " + how);
            std::unique_ptr<QWidget> sheet(s.open());
            sheet->show();
            for (QLineEdit* box : sheet->findChildren<QLineEdit*>())
                if (box->isVisibleTo(sheet.get()))
                    QTest::keyClicks(box, QStringLiteral("3"));
            sheet->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
            ASSERT_FALSE(allEmpty(texts(sheet.get(), QStringLiteral("lblAnswer_"))));

            auto* option = sheet->findChild<QRadioButton*>(s.option);
            ASSERT_TRUE(option->isChecked());
            click(option);
            EXPECT_TRUE(option->isChecked());
            EXPECT_TRUE(allEmpty(texts(sheet.get(), QStringLiteral("lblAnswer_"))));
            EXPECT_TRUE(allEmpty(texts(sheet.get(), QStringLiteral("txtGivenValue_"))));
        }
    }
    EXPECT_TRUE(errors.shown.empty());
}

// A change of choice runs the handler of the newly chosen option once; the click that made it
// does not run it again.
TEST(ChosenOptionTest, AChangeOfChoiceRunsTheHandlerOnce) {
    for (const auto& [how, click] : clicks) {
        SCOPED_TRACE(how);
        QWidget group;
        auto* layout = new QVBoxLayout(&group);
        std::array<QRadioButton*, 2> options{new QRadioButton(QStringLiteral("one"), &group),
                                             new QRadioButton(QStringLiteral("two"), &group)};
        std::array<int, 2> runs{};
        for (int i = 0; i < 2; ++i) {
            layout->addWidget(options[i]);
            onOptionChosen(options[i], [&runs, i] { ++runs[i]; });
        }
        options[0]->setChecked(true);
        group.show();
        runs = {};
        click(options[1]);
        EXPECT_EQ(runs, (std::array<int, 2>{0, 1}));
        click(options[1]);
        EXPECT_EQ(runs, (std::array<int, 2>{0, 2}));
    }
}
