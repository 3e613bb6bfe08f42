#include <gtest/gtest.h>

#include "common/DisplayMask.h"
#include "electrical/OhmsLawAC.h"

namespace {

using namespace OhmsLawAC;

struct FormulaCase {
    int index;
    double a, b, theta;
    const char* shown; // the result through the history mask
};

TEST(OhmsLawAC, FormulasGiveTheDocumentedResults) {
    const FormulaCase cases[] = {
        {0, 120, 8, 0, "15.00"},    {11, 120, 10, 60, "720.662"}, {1, 500, 10, 0, "7.071"},
        {8, 240, 1000, 0, "57.60"}, {9, 2, 5, 0, "20.00"},        {10, 2, 120, 0, "240.00"},
        {6, 10, 4, 0, "2.50"},      {3, 2, 6, 0, "12.00"},        {2, 1200, 120, 0, "10.00"},
        {4, 1200, 10, 0, "120.00"}, {5, 500, 20, 0, "100.00"},    {7, 400, 2, 0, "100.00"},
    };
    for (const FormulaCase& c : cases) {
        const Calculated r = evaluate(c.index, c.a, c.b, powerFactor(c.theta));
        ASSERT_TRUE(r.ok()) << "formula " << c.index;
        EXPECT_EQ(formatMask(r.value, Mask::TwoToThreeDecimals), c.shown) << "formula " << c.index;
    }
}

TEST(OhmsLawAC, CosineUsesThreePointOneFour) {
    EXPECT_NEAR(powerFactor(60), 0.50046, 1e-5);
    EXPECT_NEAR(powerFactor(180), 0.99999873, 1e-8);
    EXPECT_LT(powerFactor(180), 1.0);
    EXPECT_GT(powerFactor(90.5), 0.0);
    EXPECT_EQ(powerFactor(-60), powerFactor(60));
}

TEST(OhmsLawAC, OnlyTheFiftySixCheckAnglesAreRefused) {
    int refused = 0;
    for (double b = 90; b < 10000; b += 180) {
        EXPECT_TRUE(isRefusedAngle(b)) << b;
        ++refused;
    }
    EXPECT_EQ(refused, 56);
    for (const double theta : {0.0, -90.0, 90.5, 89.999, 180.0, 10170.0, 10000.0, 1e300})
        EXPECT_FALSE(isRefusedAngle(theta)) << theta;
}

TEST(OhmsLawAC, DivisorTestsAndAngleUseFollowTheFormulaTable) {
    for (int i = 0; i < FormulaCount; ++i) {
        const bool twoGivens = i == 0 || i == 3 || i == 6;
        EXPECT_EQ(usesAngle(i), !twoGivens) << i;
        EXPECT_EQ(formula(i).headings[0] == nullptr, twoGivens) << i;
        const bool divides = !(i == 3 || i == 5 || i == 9 || i == 10);
        EXPECT_EQ(dividesBySecondGiven(i), divides) << i;
        if (divides) {
            EXPECT_EQ(evaluate(i, 1, 0, 1).fault, ArithmeticFault::DivisionByZero) << i;
        }
    }
    EXPECT_STREQ(formula(1).caption, "I= Sqr (( P)  / (Z cos(Theta))) ");
}

TEST(OhmsLawAC, HugeValuesOverflowInsteadOfShowingInfinity) {
    EXPECT_EQ(evaluate(9, 1e200, 10, 1).fault, ArithmeticFault::Overflow);
    EXPECT_EQ(evaluate(3, 1e200, 1e200, 1).fault, ArithmeticFault::Overflow);
    EXPECT_EQ(evaluate(5, 1e300, 1e300, 1).fault, ArithmeticFault::Overflow);
}

} // namespace
