#include <gtest/gtest.h>

#include <QStringList>

#include "common/DisplayMask.h"
#include "geometry/FigureRules.h"

namespace {

using enum Figure;

// Fields as typed and the five answers as shown; "" for a row the figure does not write.
struct Case {
    Figure figure;
    int given;
    FigureInputs in;
    std::array<const char*, FigureRows> shown;
};

const Case cases[] = {
    {Rectangle, 0, {3, 4}, {"3.00", "4.00", "12.00", "14.00", "5.00"}},
    {Rectangle, 1, {4, 10}, {"4.00", "2.50", "10.00", "13.00", "4.717"}},
    {Rectangle, 2, {4, 10}, {"2.50", "4.00", "10.00", "13.00", "4.717"}},
    {Parallelogram, 0, {10, 5, 30}, {"10.00", "5.00", "30.00", "24.989", "30.00"}},
    {Parallelogram, 1, {10, 4}, {"10.00", "4.00", "40.00", "", ""}},
    {Trapezoid, 0, {4, 2, 3}, {"4.00", "2.00", "3.00", "9.00", ""}},
    {Quadrilateral, 0, {10, 8, 90}, {"10.00", "8.00", "90.00", "40.00", ""}},
    {Annulus, 0, {1, 2}, {"1.00", "2.00", "9.42", "", ""}},
    {Annulus, 0, {2, 1}, {"2.00", "1.00", "-9.42", "", ""}}, // r1 > r2 keeps its sign
    {Annulus, 1, {2, 4}, {"2.00", "4.00", "9.425", "", ""}},
    {Trapezium, 0, {2, 4, 1, 3, 2}, {"", "16.314", "14.00", "", ""}},
    {EqTriangle, 0, {2}, {"2.00", "1.732", "1.73", "", ""}},
    {EqTriangle, 0, {10}, {"10.00", "8.66", "43.30", "", ""}},
    {EqTriangle, 0, {2.005}, {"2.01", "1.736", "1.74", "", ""}},
    {Cube, 0, {2}, {"2.00", "8.00", "24.00", "", ""}},
    {Cube, 1, {2, 3, 4}, {"2.00", "3.00", "4.00", "24.00", "52.00"}},
    {Prism, 0, {3, 4, 10}, {"60.00", "132.00", "", "", ""}},
    {RightCylinder, 0, {1, 2}, {"1.00", "2.00", "6.28", "18.84", ""}},
    {RightCylinder, 1, {1, 4, 2}, {"1.00", "4.00", "2.00", "9.42", "26.421"}},
    {RightCone, 0, {3, 4}, {"3.00", "4.00", "5.00", "37.68", "75.36"}},
    {RightPyramid, 0, {10, 12, 6, 5}, {"20.00", "30.00", "", "", ""}},
    // Volume 2 x 3.14^2 x R x r^2: the wire's cross-section carried round the ring.
    {CircularRing, 0, {1, 5}, {"1.00", "5.00", "98.596", "197.192", ""}},
};

TEST(FigureCompute, EveryFigureShowsItsAnswers) {
    for (const Case& c : cases) {
        const FigureAnswers answers = computeFigure(c.figure, c.given, c.in);
        for (int i = 0; i < FigureRows; ++i) {
            const QString shown =
                answers[i] ? formatMask(answers[i]->value, Mask::TwoToThreeDecimals) : QString();
            EXPECT_EQ(shown, QString::fromLatin1(c.shown[i]))
                << "figure " << static_cast<int>(c.figure) << " given " << c.given << " row " << i;
        }
        EXPECT_EQ(firstFault(answers), ArithmeticFault::None);
    }
}

TEST(FigureCompute, FaultsAreReportedNotShown) {
    const struct {
        Figure figure;
        int given;
        FigureInputs in;
        ArithmeticFault fault;
    } faults[] = {
        {Rectangle, 1, {0, 10}, ArithmeticFault::DivisionByZero},
        {Rectangle, 2, {0, 10}, ArithmeticFault::DivisionByZero},
        {Cube, 0, {1e200}, ArithmeticFault::Overflow},
        {RightCone, 0, {1e200, 1e200}, ArithmeticFault::Overflow},
        {EqTriangle, 0, {1e300}, ArithmeticFault::Overflow},
    };
    for (const auto& f : faults)
        EXPECT_EQ(firstFault(computeFigure(f.figure, f.given, f.in)), f.fault)
            << "figure " << static_cast<int>(f.figure);
}

constexpr FieldSet none = 0;

// Which fields hold text -> whether CALCULATE computes, and which fields it converts.
TEST(FigureCompute, EmptyFieldRules) {
    const struct {
        Figure figure;
        int given;
        std::array<bool, FigureRows> filled;
        bool compute;
        FieldSet read;
    } rules[] = {
        // The rectangle computes with zeros when both fields are empty, whatever the option.
        {Rectangle, 2, {}, true, none},
        {Rectangle, 1, {false, true}, true, 0b11},
        // A plane figure goes with any one tested field; the others must then convert.
        {Trapezoid, 0, {}, false, none},
        {Trapezoid, 0, {false, false, true}, true, 0b111},
        {Parallelogram, 1, {true}, true, 0b11},
        {Annulus, 1, {false, true}, true, 0b11},
        {Trapezium, 0, {false, false, false, false, true}, true, 0b11111},
        {EqTriangle, 0, {false, true, true, true, true}, false, none},
        // A solid waits for every tested field.
        {Cube, 0, {true}, true, 0b1},
        {Cube, 1, {true, true}, false, none},
        {Cube, 1, {true, true, true}, true, 0b111},
        {RightCylinder, 1, {true, true}, false, none},
        {CircularRing, 0, {true, true}, true, 0b11},
        // The pyramid's k is not tested, but read: an empty k is refused when converting.
        {RightPyramid, 0, {true, true, true}, true, 0b1111},
        {RightPyramid, 0, {true, true, false, true}, false, none},
    };
    for (const auto& r : rules) {
        const FigurePlan plan = planFigure(r.figure, r.given, r.filled);
        EXPECT_EQ(plan.compute, r.compute) << "figure " << static_cast<int>(r.figure);
        EXPECT_EQ(plan.fieldsToRead, r.read) << "figure " << static_cast<int>(r.figure);
    }
    EXPECT_EQ(planFigure(Rectangle, 2, {}).given, 0) << "zeros never divide";
}

} // namespace
