#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgWidget>
#include <QTest>
#include <memory>

#include "common/GlobalSubs.h"
#include "geometry/frmSquare.h"
#include "support/ErrorRecorder.h"

namespace {

// A row group as the user sees it: each row's caption, or "-" for a hidden row.
using Rows = QStringList;

struct Look {
    QStringList options; // visible option captions
    Rows given;
    Rows results;
};

struct FigureCase {
    qint16 select;
    const char* title;
    const char* picture;
    Look setUp;
};

// Written out from the window's design, independently of the layout table.
const FigureCase figures[] = {
    {0,
     "Rectangle Calculations",
     "picSquare",
     {{"a/b", "a/Area", "b/Area"},
      {"a=", "b =", "-", "-", "-"},
      {"a", "b", "Area", "Perimeter", "Diagonal"}}},
    {1,
     "Parallelogram Calculations",
     "picParallel",
     {{"a/b/Theta", "a/h"},
      {"a = ", "b = ", "Theta = ", "-", "-"},
      {"a", "b", "Theta", "Area", "Perimeter"}}},
    {2,
     "Trapezoid Calculations",
     "picTrapezoid",
     {{"a/b/h"}, {"a = ", "b = ", "h = ", "-", "-"}, {"a", "b", "h", "Area", "-"}}},
    {3,
     "Quadrilateral Calculations",
     "picQuad",
     {{"d1/d2/Theta"},
      {"d1 = ", "d2 = ", "Theta = ", "-", "-"},
      {"d1", "d2", "Theta", "Area", "-"}}},
    {4,
     "Annulus Calculations",
     "picAnnulus",
     {{"r1/r2", "f/d"}, {"r1 = ", "r2 = ", "-", "-", "-"}, {"r1", "r2", "Area", "-", "-"}}},
    {5,
     "Trapezium Calculations",
     "picTrapezium",
     {{"h/k/e/g/f"},
      {"h = ", "k = ", "e = ", "g = ", "f = "},
      {"-", "Perimeter", "Area", "-", "-"}}},
    {6,
     "Equilateral Triangle Calculations",
     "picEqTriangle",
     {{"a"}, {"a = ", "-", "-", "-", "-"}, {"a", "h", "Area", "-", "-"}}},
    {7,
     "Cube/Parallelopiped Calculations",
     "picCube",
     {{"Cube", "Parallelopiped"},
      {"a =", "-", "-", "-", "-"},
      {"a", "Volume", "Surface Area", "-", "-"}}},
    {8,
     "Right Prism Calculations",
     "picPrism",
     {{"a/c/h"}, {"a =", "c =", "h =", "-", "-"}, {"Volume", "Surface Area", "-", "-", "-"}}},
    {9,
     "Right Cylinder Calculations",
     "picRightCyl",
     {{"Right Cylinder", "Frustum of Right Cylinder"},
      {"r =", "h =", "-", "-", "-"},
      {"r", "h", "Volume", "Surface Area", "-"}}},
    {10,
     "Right Cone Calculations",
     "picRightCone",
     {{"r/h"}, {"r =", "h =", "-", "-", "-"}, {"r", "h", "k", "Volume", "Surface Area"}}},
    {11,
     "Right Pyramid Calculations",
     "picPyramid",
     {{"A/h/k"},
      {"A(Area of base) =", "P (Perimeter of base) =", "h =", "k =", "-"},
      {"Volume", "Surface Area", "-", "-", "-"}}},
    {12,
     "Circular Ring Calculations",
     "picCircularRing",
     {{"r/R"}, {"r =", "R =", "-", "-", "-"}, {"r", "R", "Volume", "Surface Area", "-"}}},
};

struct OptionCase {
    qint16 select;
    int option;
    const char* picture;
    Look after; // options unchanged; only the rows are compared
};

const OptionCase optionClicks[] = {
    {0,
     2,
     "picSquare",
     {{}, {"b = ", "Area =", "-", "-", "-"}, {"a", "b", "Area", "Perimeter", "Diagonal"}}},
    {0,
     1,
     "picSquare",
     {{}, {"a = ", "Area =", "-", "-", "-"}, {"a", "b", "Area", "Perimeter", "Diagonal"}}},
    {1, 1, "picParallel", {{}, {"a = ", "h = ", "-", "-", "-"}, {"a", "h", "Area", "-", "-"}}},
    {4, 1, "picAnnulus", {{}, {"f = ", "d = ", "-", "-", "-"}, {"f", "d", "Area", "-", "-"}}},
    {7,
     1,
     "picCube",
     {{}, {"a =", "b =", "c =", "-", "-"}, {"a", "b", "c", "Volume", "Surface Area"}}},
    {9,
     1,
     "picFrustum",
     {{}, {"r =", "h =", "k =", "-", "-"}, {"r", "h", "k", "Volume", "Surface Area"}}},
};

class frmSquareTest : public ::testing::Test {
protected:
    ErrorRecorder errors;
    std::unique_ptr<frmSquare> sheet;

    void open(qint16 select) {
        GlobalSubs::FigureSelect = select;
        sheet = std::make_unique<frmSquare>();
        sheet->show();
    }
    template <class T> T* child(const QString& name) {
        T* w = sheet->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit* field(int i) { return child<QLineEdit>(QStringLiteral("txtGivenValue_%1").arg(i)); }
    QString answer(int i) { return child<QLabel>(QStringLiteral("lblAnswer_%1").arg(i))->text(); }
    QStringList answers() {
        QStringList out;
        for (int i = 0; i < FigureRows; ++i)
            out << answer(i);
        return out;
    }
    Rows rows(const QString& caption, const QString& partner) {
        Rows out;
        for (int i = 0; i < FigureRows; ++i) {
            auto* label = child<QLabel>(caption.arg(i));
            auto* other = child<QWidget>(partner.arg(i));
            EXPECT_EQ(label->isVisible(), other->isVisible()) << caption.arg(i).toStdString();
            out << (label->isVisible() ? label->text() : QStringLiteral("-"));
        }
        return out;
    }
    Look look() {
        Look l;
        for (auto* option : sheet->findChildren<QRadioButton*>())
            if (option->isVisible())
                l.options << option->text();
        l.given = rows(QStringLiteral("lblGivenValue_%1"), QStringLiteral("txtGivenValue_%1"));
        l.results = rows(QStringLiteral("lblResult_%1"), QStringLiteral("lblAnswer_%1"));
        return l;
    }
    // The names of the drawings on screen: exactly one is expected.
    QStringList picturesShown() {
        QStringList out;
        for (auto* picture : sheet->findChildren<QSvgWidget*>())
            if (picture->isVisible())
                out << picture->objectName();
        return out;
    }
    void fill(const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i) {
            field(i)->clear();
            QTest::keyClicks(field(i), texts[i]);
        }
    }
    void calculate() { QTest::mouseClick(child<QPushButton>("cmdCalculate"), Qt::LeftButton); }
    // What a mouse click or the space bar does to the button.
    void pick(int option) {
        child<QRadioButton>(QStringLiteral("optGivenrect_%1").arg(option))->click();
    }
};

TEST_F(frmSquareTest, EachFigureSetsUpItsLayout) {
    for (const FigureCase& f : figures) {
        open(f.select);
        SCOPED_TRACE(f.title);
        EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::Square);
        EXPECT_EQ(sheet->windowTitle(), "Square Calculations");
        EXPECT_EQ(child<QLabel>("lblTitle")->text(), f.title);
        EXPECT_EQ(picturesShown(), QStringList{f.picture});
        const Look l = look();
        EXPECT_EQ(l.options, f.setUp.options);
        EXPECT_EQ(l.given, f.setUp.given);
        EXPECT_EQ(l.results, f.setUp.results);
        EXPECT_TRUE(child<QRadioButton>("optGivenrect_0")->isChecked());
    }
}

TEST_F(frmSquareTest, OptionsClearAndRelabel) {
    for (const OptionCase& c : optionClicks) {
        open(c.select);
        SCOPED_TRACE(std::to_string(c.select) + " option " + std::to_string(c.option));
        fill({"1", "2", "3"});
        calculate();
        pick(c.option);
        EXPECT_EQ(field(0)->text(), "");
        EXPECT_EQ(field(1)->text(), "");
        EXPECT_EQ(answers(), QStringList(FigureRows, QString()));
        const Look l = look();
        EXPECT_EQ(l.given, c.after.given);
        EXPECT_EQ(l.results, c.after.results);
        EXPECT_EQ(picturesShown(), QStringList{c.picture});
        pick(0); // and back to the set-up rows (the rectangle's option 0 spaces its "a = ")
        if (c.select != 0) {
            EXPECT_EQ(look().given, figures[c.select].setUp.given);
        }
    }
    EXPECT_TRUE(errors.shown.empty());
}

TEST_F(frmSquareTest, CalculateUsesTheChosenCombination) {
    const struct {
        qint16 select;
        int option;
        QStringList typed;
        QStringList shown;
    } runs[] = {
        {0, 1, {"4", "10"}, {"4.00", "2.50", "10.00", "13.00", "4.717"}},
        {1, 1, {"10", "4"}, {"10.00", "4.00", "40.00", "", ""}},
        {9, 1, {"1", "4", "2"}, {"1.00", "4.00", "2.00", "9.42", "26.421"}},
        {12, 0, {"1", "5"}, {"1.00", "5.00", "98.596", "197.192", ""}},
        {4, 0, {"2", "1"}, {"2.00", "1.00", "-9.42", "", ""}},
    };
    for (const auto& r : runs) {
        open(r.select);
        pick(r.option);
        fill(r.typed);
        QTest::keyClick(field(0), Qt::Key_Return); // Enter calculates
        EXPECT_EQ(answers(), r.shown) << "figure " << r.select;
    }
    EXPECT_TRUE(errors.shown.empty());
}

TEST_F(frmSquareTest, EmptyRules) {
    const QStringList zeros(FigureRows, QStringLiteral("0"));
    const struct {
        qint16 select;
        QStringList typed;
        QStringList shown;
    } runs[] = {
        {0,
         {},
         QStringList(FigureRows, QStringLiteral(".00"))}, // the rectangle computes with zeros
        {2, {}, zeros},                                   // a plane figure with nothing typed
        {7, {"2"}, {"2.00", "8.00", "24.00", "", ""}},    // a cube needs only a...
        {11, {"10", "12"}, zeros},                        // ...other solids every tested field
    };
    for (const auto& r : runs) {
        open(r.select);
        fill(r.typed);
        calculate();
        EXPECT_EQ(answers(), r.shown) << "figure " << r.select;
    }
    EXPECT_TRUE(errors.shown.empty());
}

// A refused calculation tells the user why and leaves the answers shown before.
TEST_F(frmSquareTest, RefusalsWriteNothing) {
    const struct {
        qint16 select;
        int option;
        QStringList typed;
    } refused[] = {
        {2, 0, {"4", "", "3"}},         // a needed field left empty
        {0, 1, {"0", "10"}},            // zero divisor
        {11, 0, {"10", "12", "6", ""}}, // the pyramid's k empty
        {10, 0, {".", "2"}},            // a lone point
        {3, 0, {"1.2.3", "1", "1"}},    // two points
        {7, 0, {"1e200"}},              // overflow (a pasted exponent)
    };
    for (const auto& r : refused) {
        open(r.select);
        pick(r.option);
        QStringList good(r.typed.size(), QStringLiteral("1"));
        if (r.select == 0)
            good = {"4", "10"};
        fill(good);
        calculate();
        const QStringList before = answers();
        errors.shown.clear();
        for (int i = 0; i < r.typed.size(); ++i)
            field(i)->setText(r.typed[i]);
        calculate();
        EXPECT_EQ(errors.shown.size(), 1u) << "figure " << r.select;
        EXPECT_EQ(answers(), before) << "figure " << r.select;
        for (const QString& text : answers())
            EXPECT_FALSE(text.contains("inf") || text.contains("nan"));
    }
}

TEST_F(frmSquareTest, ClearKeepsOptionAndLabels) {
    open(4);
    pick(1);
    fill({"2", "4"});
    calculate();
    QTest::mouseClick(child<QPushButton>("cmdClear"), Qt::LeftButton);
    EXPECT_EQ(field(0)->text(), "");
    EXPECT_EQ(answers(), QStringList(FigureRows, QString()));
    EXPECT_TRUE(child<QRadioButton>("optGivenrect_1")->isChecked());
    EXPECT_EQ(look().given.first(), "f = ");
    fill({"2", "4"});
    calculate();
    EXPECT_EQ(answer(2), "9.425") << "still by diameters";
}

TEST_F(frmSquareTest, ArrowKeysChooseAnOptionLikeTheMouse) {
    open(9);
    QApplication::setActiveWindow(sheet.get());
    child<QRadioButton>("optGivenrect_0")->setFocus();
    QTest::keyClick(child<QRadioButton>("optGivenrect_0"), Qt::Key_Down);
    EXPECT_TRUE(child<QRadioButton>("optGivenrect_1")->isChecked());
    EXPECT_EQ(picturesShown(), QStringList{"picFrustum"});
}

TEST_F(frmSquareTest, AnUnknownSelectorShowsNoFigure) {
    open(13);
    EXPECT_TRUE(picturesShown().isEmpty());
    fill({"3", "4"});
    calculate();
    EXPECT_EQ(answers(), QStringList(FigureRows, QString()));
    pick(1);
    EXPECT_EQ(field(0)->text(), "");
}

} // namespace
