#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "common/GlobalSubs.h"
#include "geometry/frmCircle.h"
#include "support/ErrorRecorder.h"

namespace {

// What a layout shows: visible captions only, hidden rows left out.
struct Shown {
    QString title;
    QString picture;
    QStringList options, givens, results;
};

class frmCircleTest : public ::testing::Test {
protected:
    std::unique_ptr<frmCircle> sheet;
    ErrorRecorder errors;

    void open(qint16 select) {
        GlobalSubs::CircleSelect = select;
        sheet = std::make_unique<frmCircle>();
        sheet->show();
    }
    template <class T> T* child(const QString& name) {
        T* w = sheet->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit* given(int i) { return child<QLineEdit>(QStringLiteral("txtGivenValue_%1").arg(i)); }
    QStringList answers() {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << child<QLabel>(QStringLiteral("lblAnswer_%1").arg(i))->text();
        return texts;
    }
    Shown shown() {
        Shown s{child<QLabel>(QStringLiteral("lblTitle"))->text(), {}, {}, {}, {}};
        for (const char* pic :
             {"picCircle", "picCircleSector", "picCircleSegment", "picHollowSec", "picEllipse"})
            if (child<QWidget>(QString::fromLatin1(pic))->isVisible())
                s.picture += QString::fromLatin1(pic);
        for (int i = 0; i < 4; ++i)
            if (auto* o = child<QRadioButton>(QStringLiteral("optGivencircle_%1").arg(i));
                o->isVisible())
                s.options << o->text();
        for (int i = 0; i < 3; ++i)
            if (given(i)->isVisible())
                s.givens << child<QLabel>(QStringLiteral("lblGivenValue_%1").arg(i))->text();
        for (int i = 0; i < 4; ++i)
            if (auto* l = child<QLabel>(QStringLiteral("lblAnswerCaption_%1").arg(i));
                l->isVisible())
                s.results << l->text();
        return s;
    }
    void pick(int index) {
        // On the indicator: a radio button takes clicks on its indicator and caption only.
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("optGivencircle_%1").arg(index)),
                          Qt::LeftButton, {}, QPoint(6, 6));
    }
    void type(const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i) {
            given(i)->clear();
            QTest::keyClicks(given(i), texts[i]);
        }
    }
    void calculate(const QStringList& texts) {
        type(texts);
        QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
    }
};

void expectShown(const Shown& actual, const Shown& expected, const char* where) {
    EXPECT_EQ(actual.title, expected.title) << where;
    EXPECT_EQ(actual.picture, expected.picture) << where;
    EXPECT_EQ(actual.options, expected.options) << where;
    EXPECT_EQ(actual.givens, expected.givens) << where;
    EXPECT_EQ(actual.results, expected.results) << where;
}

const Shown sectorShown{"Cirle Section Calculations",
                        "picCircleSector",
                        {"Sector of Circle", "Seg. of Circle", "Hollow Circle Sector"},
                        {"r =", "Degrees ="},
                        {"Radius", "Degrees", "Arc Length AC", "Area ABCA"}};

TEST_F(frmCircleTest, EachSelectorLoadsItsLayout) {
    const std::tuple<qint16, Shown> layouts[] = {
        {0,
         {"Circle Calculations",
          "picCircle",
          {"Radius", "Diameter", "Circumference", "Area"},
          {"r ="},
          {"Radius", "Diameter", "Circumference", "Area"}}},
        {1, sectorShown},
        {2,
         {"Circle Calculations",
          "picEllipse",
          {"a/b"},
          {"a =", "b ="},
          {"a", "b", "Area", "Perimeter"}}},
    };
    for (const auto& [select, expected] : layouts) {
        open(select);
        EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::Circle);
        expectShown(shown(), expected, std::to_string(select).c_str());
    }
}

TEST_F(frmCircleTest, SectionOptionsRelabelAndClear) {
    open(1);
    calculate({"10", "60"});
    pick(2);
    EXPECT_EQ(answers(), (QStringList{"", "", "", ""}));
    EXPECT_EQ(given(0)->text(), "");
    expectShown(shown(),
                {sectorShown.title,
                 "picHollowSec",
                 sectorShown.options,
                 {"r1", "r2", "Degrees"},
                 {"r1", "r2", "Degrees", "Area ABCDA"}},
                "hollow");
    pick(1);
    expectShown(shown(),
                {sectorShown.title,
                 "picCircleSegment",
                 sectorShown.options,
                 {"r =", "Degrees ="},
                 {"Radius", "Degrees", "Area ACDA"}},
                "segment");
    pick(2);
    pick(0);
    expectShown(shown(), sectorShown, "sector after hollow");
}

TEST_F(frmCircleTest, CalculationsPerLayout) {
    const std::tuple<qint16, int, QStringList, QStringList> cases[] = {
        {0, 0, {"1"}, {"1.00", "2.00", "6.28", "3.14"}},
        {0, 3, {"3.14159265358979"}, {"1.00", "2.00", "6.28", "3.14"}},
        {0, 1, {""}, {".00", ".00", ".0", ".0"}},
        {1, 0, {"10", "60"}, {"10.00", "60.00", "10.47", "52.36"}},
        {1, 0, {"10", ""}, {"0", "0", "0", "0"}},
        {1, 1, {"10", "90"}, {"10.00", "90.00", "28.5", ""}},
        {1, 2, {"2", "1", "60"}, {"2.00", "1.00", "60.0", "1.57"}},
        {1, 2, {"2", "1", ""}, {"0", "0", "0", "0"}},
        {2, 0, {"2", "1"}, {"2.00", "1.00", "6.28", "9.69"}},
        {2, 0, {"", "1"}, {"0", "0", "0", "0"}},
    };
    for (const auto& [select, option, texts, expected] : cases) {
        open(select);
        pick(option);
        calculate(texts);
        EXPECT_EQ(answers(), expected)
            << select << '/' << option << ' ' << texts.join(',').toStdString();
    }
    EXPECT_TRUE(errors.shown.empty());
}

TEST_F(frmCircleTest, CircleOptionsRenameTheEntry) {
    open(0);
    const char* captions[] = {"Radius = ", "Diameter = ", "Circumference = ", "Area = "};
    for (int i : {3, 1, 2, 0}) {
        pick(i);
        EXPECT_EQ(child<QLabel>(QStringLiteral("lblGivenValue_0"))->text(), captions[i]);
    }
}

// A text that is not a number, or values with no real answer, are told and change nothing.
TEST_F(frmCircleTest, RefusedCalculationKeepsTheAnswers) {
    open(1);
    calculate({"10", "60"});
    const QStringList before = answers();
    for (const QStringList& texts : {QStringList{".", "60"}, QStringList{"10", "1.2.3"}}) {
        errors.shown.clear();
        calculate(texts);
        EXPECT_EQ(errors.shown.size(), 1u) << texts.join(',').toStdString();
        EXPECT_EQ(answers(), before);
    }
    open(0);
    pick(3);
    given(0)->setText(QStringLiteral("-4")); // a pasted sign
    errors.shown.clear();
    sheet->cmdCalculate_Click();
    EXPECT_EQ(errors.shown.size(), 1u);
    EXPECT_EQ(answers(), (QStringList{"", "", "", ""}));
}

TEST_F(frmCircleTest, EnterCalculatesAndClearKeepsTheLayout) {
    open(2);
    type({"2", "1"});
    QTest::keyClick(given(1), Qt::Key_Return);
    EXPECT_EQ(answers()[2], "6.28");
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdClear")), Qt::LeftButton);
    EXPECT_EQ(answers(), (QStringList{"", "", "", ""}));
    EXPECT_EQ(given(0)->text(), "");
    EXPECT_EQ(shown().results, (QStringList{"a", "b", "Area", "Perimeter"}));
}

} // namespace
