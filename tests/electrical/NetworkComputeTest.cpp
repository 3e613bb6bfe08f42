#include <gtest/gtest.h>

#include <array>
#include <map>

#include "common/DisplayMask.h"
#include "electrical/ColorCode.h"
#include "electrical/ResistorConversions.h"
#include "electrical/SeriesParallel.h"

namespace {

using Entries = std::array<SeriesParallel::Entry, SeriesParallel::EntryCount>;

Entries entries(std::map<int, double> filled) {
    Entries all;
    for (const auto& [number, value] : filled)
        all[number - 1] = value;
    return all;
}

QString shown(const Calculated& value) {
    return formatMask(value.value, Mask::TwoToThreeDecimalsLeadingZero);
}

struct SumCase {
    bool reciprocal;
    char letter;
    std::map<int, double> filled; // entry number -> value
    const char* total;
    const char* formula;
    QList<int> zeros;
};

TEST(SeriesParallel, TotalsAndFormulaTexts) {
    const SumCase cases[] = {
        {false, 'R', {{1, 100}, {2, 220}, {5, 330}}, "650.00", "R1 + R2 + R5", {}},
        {false, 'C', {{1, 10}, {3, 22}}, "32.00", "C1 + C3", {}},
        {false, 'L', {{1, 3}, {2, 4.5}}, "7.50", "L1 + L2", {}},
        // The direct sum lists every filled entry, zero or not.
        {false, 'R', {{1, 1000}, {2, 0}, {3, 1.2}}, "1001.20", "R1 + R2 + R3", {}},
        {false, 'R', {}, "0.00", "", {}},
        {true, 'R', {{1, 100}, {2, 100}}, "50.00", "1/(1/R1 + 1/R2)", {}},
        {true, 'R', {{1, 10}, {2, 20}, {3, 30}}, "5.455", "1/(1/R1 + 1/R2 + 1/R3)", {}},
        {true, 'R', {{12, 50}}, "50.00", "1/(1/R12)", {}},
        {true, 'C', {{12, 47}}, "47.00", "1/(1/C12)", {}},
        {true, 'L', {{1, 3}, {2, 4.5}}, "1.80", "1/(1/L1 + 1/L2)", {}},
        {true, 'C', {{1, 10}, {2, 10}}, "5.00", "1/(1/C1 + 1/C2)", {}},
        {true, 'R', {{1, 1000}, {2, 20}}, "19.608", "1/(1/R1 + 1/R2)", {}},
        {true, 'R', {}, "0.00", "", {}},
        {true, 'R', {{1, 0}, {2, 100}, {7, -0.0}}, "100.00", "1/(1/R2)", {0, 6}},
        {true, 'R', {{1, 0}}, "0.00", "", {0}},
    };
    for (const SumCase& c : cases) {
        const Entries values = entries(c.filled);
        const auto result = c.reciprocal ? SeriesParallel::reciprocalSum(values, c.letter)
                                         : SeriesParallel::directSum(values, c.letter);
        ASSERT_TRUE(result.total.ok()) << c.formula;
        EXPECT_EQ(shown(result.total), c.total) << c.formula;
        EXPECT_EQ(result.formula, c.formula);
        EXPECT_EQ(result.zeroEntries, c.zeros) << c.formula;
    }
}

TEST(SeriesParallel, TotalsWithNoFiniteValueAreRefused) {
    Entries twelveHuge;
    twelveHuge.fill(1e308);
    EXPECT_EQ(SeriesParallel::directSum(twelveHuge, u'R').total.fault, ArithmeticFault::Overflow);
    // Pasted signs can cancel the reciprocals out: 1/0, not the 0 of an empty network.
    EXPECT_EQ(SeriesParallel::reciprocalSum(entries({{1, 5}, {2, -5}}), u'R').total.fault,
              ArithmeticFault::DivisionByZero);
    // The reciprocal of a tiny entry overflows the sum.
    EXPECT_EQ(SeriesParallel::reciprocalSum(entries({{1, 1e-320}}), u'R').total.fault,
              ArithmeticFault::Overflow);
}

TEST(ResistorConversions, DeltaToWyeAndBack) {
    struct Case {
        bool toWye;
        std::array<double, 3> given;
        std::array<const char*, 3> expected;
    };
    const Case cases[] = {
        {true, {10, 20, 30}, {"3.333", "10.00", "5.00"}},
        {true, {10, 20, 2.5}, {"6.154", "1.538", "0.769"}},
        {false, {10, 20, 30}, {"55.00", "36.667", "110.00"}},
        {false, {30, 20, 10}, {"55.00", "110.00", "36.667"}},
    };
    for (const Case& c : cases) {
        const auto [a, b, d] = c.given;
        const auto results = c.toWye ? ResistorConversions::deltaToWye(a, b, d)
                                     : ResistorConversions::wyeToDelta(a, b, d);
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(results[i].ok());
            EXPECT_EQ(shown(results[i]), c.expected[i]) << a << " " << b << " " << d;
        }
    }
    EXPECT_EQ(ResistorConversions::wyeToDelta(1e200, 1e200, 1).at(0).fault,
              ArithmeticFault::Overflow);
    EXPECT_EQ(ResistorConversions::wyeToDelta(10, 0, 30).at(0).fault,
              ArithmeticFault::DivisionByZero);
}

// Bands as colour indexes (0 black ... 9 white, 10 gold, 11 silver, 12 no colour).
TEST(ColorCode, ValueTextForEveryMultiplierClass) {
    struct Case {
        int a, b, c, d;
        const char* text;
    };
    const Case cases[] = {
        {1, 0, 2, 10, "1.0K ohms, 5%"},  {2, 2, 1, 11, "220 ohms, 10%"},
        {4, 7, 10, 10, "4.7 ohms, 5%"},  {0, 7, 11, 10, "0.07 ohms, 5%"},
        {4, 7, 11, 1, "0.47 ohms, 1%"},  {0, 7, 10, 1, "0.7 ohms, 1%"},
        {1, 0, 5, 12, "1.0M ohms, 20%"}, {9, 9, 9, 1, "99G ohms, 1%"},
        {4, 7, 2, 10, "4.7K ohms, 5%"},  {0, 7, 2, 10, ".7K ohms, 5%"},
        {4, 7, 0, 2, "47 ohms, 2%"},     {4, 7, 1, 3, "470 ohms, 3%"},
        {4, 7, 3, 4, "47K ohms, 4%"},    {4, 7, 4, 1, "470K ohms, 1%"},
        {0, 0, 3, 1, "0K ohms, 1%"},     {2, 0, 6, 1, "20M ohms, 1%"},
        {3, 3, 7, 1, "330M ohms, 1%"},   {6, 8, 8, 1, "6.8G ohms, 1%"},
        {0, 1, 0, 1, "1 ohms, 1%"},
    };
    for (const Case& c : cases) {
        const auto& colours = ColorCode::Colours;
        EXPECT_EQ(ColorCode::CalculateOhms(QLatin1String(colours[c.a].digitA),
                                           QLatin1String(colours[c.b].digitB),
                                           QLatin1String(colours[c.c].multiplier),
                                           QLatin1String(colours[c.d].tolerance)),
                  c.text);
    }
}

} // namespace
