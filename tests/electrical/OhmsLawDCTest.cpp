#include <gtest/gtest.h>

#include <cmath>

#include "common/DisplayMask.h"
#include "electrical/OhmsLawDC.h"

namespace {

struct FormulaCase {
    int index;
    double a, b;
    double expected;
};

// Every formula, with values chosen so a swapped operand or a wrong power shows.
TEST(OhmsLawDC, EveryFormulaComputesItsRow) {
    const FormulaCase cases[] = {
        {0, 12, 4, 3},        {1, 60, 12, 5}, {2, 100, 4, 5},     {3, 2, 6, 12},
        {4, 60, 5, 12},       {5, 8, 2, 4},   {6, 3, 10, 90},     {7, 12, 3, 36},
        {8, 230, 1000, 52.9}, {9, 12, 4, 3},  {10, 0.5, 0.1, 50}, {2, 100, 3, std::sqrt(100.0 / 3)},
    };
    for (const FormulaCase& c : cases) {
        const Calculated r = OhmsLawDC::evaluate(c.index, c.a, c.b);
        ASSERT_TRUE(r.ok()) << "formula " << c.index;
        EXPECT_NEAR(r.value, c.expected, 1e-9 * std::max(1.0, c.expected)) << "formula " << c.index;
    }
}

TEST(OhmsLawDC, ResultsShowAsTheDocumentedRows) {
    const std::tuple<int, double, double, const char*> cases[] = {
        {0, 12, 4, "3.00"}, {8, 230, 1000, "52.90"}, {10, 0.5, 0.1, "50.00"}, {2, 100, 3, "5.774"}};
    for (const auto& [index, a, b, shown] : cases)
        EXPECT_EQ(formatMask(OhmsLawDC::evaluate(index, a, b).value, Mask::TwoToThreeDecimals),
                  shown);
}

TEST(OhmsLawDC, ZeroDivisorIsAFaultOnlyWhereItDivides) {
    for (int index = 0; index < OhmsLawDC::FormulaCount; ++index) {
        const bool divides = index != 3 && index != 5 && index != 6 && index != 7;
        const Calculated r = OhmsLawDC::evaluate(index, 10, 0);
        EXPECT_EQ(r.fault, divides ? ArithmeticFault::DivisionByZero : ArithmeticFault::None)
            << "formula " << index;
        EXPECT_EQ(OhmsLawDC::evaluate(index, 0, 0).ok(), !divides) << "0/0, formula " << index;
    }
}

TEST(OhmsLawDC, OverflowAndNegativeRootsAreFaults) {
    EXPECT_EQ(OhmsLawDC::evaluate(3, 1e200, 1e200).fault, ArithmeticFault::Overflow);
    EXPECT_EQ(OhmsLawDC::evaluate(6, 1e200, 0).fault, ArithmeticFault::Overflow);
    EXPECT_EQ(OhmsLawDC::evaluate(8, 1e200, 1).fault, ArithmeticFault::Overflow);
    EXPECT_EQ(OhmsLawDC::evaluate(10, 1, 1e-200).fault, ArithmeticFault::Overflow);
    EXPECT_EQ(OhmsLawDC::evaluate(0, 1e300, 1e-300).fault, ArithmeticFault::Overflow);
    EXPECT_EQ(OhmsLawDC::evaluate(2, -4, 1).fault, ArithmeticFault::NotReal);
    EXPECT_EQ(OhmsLawDC::evaluate(5, -4, 1).fault, ArithmeticFault::NotReal);
}

TEST(OhmsLawDC, FormulaTexts) {
    const std::tuple<int, const char*, const char*, const char*, const char*, const char*,
                     const char*>
        cases[] = {
            {0, "I= V / R", "V =", "R =", "V(Volts)", "R(ohms)", "I(Amps)"},
            {1, "I= P / V", "P =", "V =", "P(Watts)", "V(Volts)", "I(Amps)"},
            {2, "I= Sqr( P / R )", "P =", "R =", "P(Watts)", "R(ohms)", "I(Amps)"},
            {3, "V= I x R", "I =", "R =", "I(Amps)", "R(ohms)", "V(Volts)"},
            {4, "V= P / I", "P =", "I =", "P(Watts)", "I(Amps)", "V(Volts)"},
            {5, "V= Sqr( P  *  R )", "P =", "R =", "P(Watts)", "R(ohms)", "V(Volts)"},
            {6, "P= (I^2) x R", "I =", "R =", "I(Amps)", "R(ohms)", "P(Watts)"},
            {7, "P= V x I", "V =", "I =", "V(Volts)", "I(Amps)", "P(Watts)"},
            {8, "P= (V^2) / R", "V =", "R =", "V(Volts)", "R(ohms)", "P(Watts)"},
            {9, "R= V / I", "V =", "I =", "V(Volts)", "I(Amps)", "R(ohms)"},
            {10, "R= P / (I^2)", "P =", "I =", "P(Watts)", "I(Amps)", "R(ohms)"},
        };
    for (const auto& [index, caption, g0, g1, h0, h1, h2] : cases) {
        const OhmsLawDC::Formula& f = OhmsLawDC::formula(index);
        EXPECT_STREQ(f.caption, caption);
        EXPECT_STREQ(f.givens[0], g0);
        EXPECT_STREQ(f.givens[1], g1);
        EXPECT_STREQ(f.headings[0], h0);
        EXPECT_STREQ(f.headings[1], h1);
        EXPECT_STREQ(f.headings[2], h2);
    }
}

} // namespace
