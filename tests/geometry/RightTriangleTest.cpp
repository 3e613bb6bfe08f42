#include <gtest/gtest.h>

#include <QStringList>

#include "geometry/RightTriangle.h"

namespace {

using namespace RightTriangle;

struct Solved {
    Values given;
    int order; // index in `cases`, -1 for none
    QStringList shown;
};

// The nine cases in the order they are tried, each with the triangle it gives.
const Solved solvedCases[] = {
    {{3, 4, 0, 0, 0}, 0, {"3.0", "4.0", "5.0", "36.89", "53.11"}},
    {{3, 0, 5, 0, 0}, 1, {"3.0", "4.0", "5.0", "36.89", "53.11"}},
    {{5, 0, 0, 30, 0}, 2, {"5.0", "8.67", "10.0", "30.0", "60.0"}},
    {{0, 5, 0, 30, 0}, 3, {"2.88", "5.0", "5.77", "30.0", "60.0"}},
    {{0, 0, 10, 30, 0}, 4, {"5.0", "8.66", "10.0", "30.0", "60.0"}},
    {{0, 4, 5, 0, 0}, 5, {"3.0", "4.0", "5.0", "36.84", "53.16"}},
    {{5, 0, 0, 0, 60}, 6, {"5.0", "8.67", "10.0", "30.0", "60.0"}},
    {{0, 5, 0, 0, 60}, 7, {"2.88", "5.0", "5.77", "30.0", "60.0"}},
    {{0, 0, 10, 0, 60}, 8, {"5.0", "8.66", "10.0", "30.0", "60.0"}},
    // The first pair that is given wins, whatever else is typed.
    {{3, 4, 99, 10, 20}, 0, {"3.0", "4.0", "5.0", "36.89", "53.11"}},
    // Angles alone, one value, or nothing: no case, every value 0.
    {{0, 0, 0, 30, 60}, -1, {".0", ".0", ".0", ".0", ".0"}},
    {{7, 0, 0, 0, 0}, -1, {".0", ".0", ".0", ".0", ".0"}},
    {{0, 0, 0, 0, 0}, -1, {".0", ".0", ".0", ".0", ".0"}},
};

TEST(RightTriangle, EveryCaseInOrder) {
    for (const Solved& s : solvedCases) {
        EXPECT_EQ(caseFor(s.given), s.order) << s.shown.join(' ').toStdString();
        const Answers<QuantityCount> a = solve(s.given);
        ASSERT_TRUE(a.ok());
        QStringList texts;
        for (double v : a.values)
            texts << formatMask(v, mask);
        EXPECT_EQ(texts, s.shown) << "case " << s.order;
    }
}

TEST(RightTriangle, LegNotShorterThanHypotenuseIsRefused) {
    const std::tuple<Values, int> cases[] = {
        {{5, 0, 5, 0, 0}, a},   {{6, 0, 5, 0, 0}, a},  {{0, 5, 5, 0, 0}, b},
        {{0, 7, 5, 0, 0}, b},   {{3, 0, 5, 0, 0}, -1}, {{3, 4, 2, 0, 0}, -1}, // a, b decide
        {{0, 0, 5, 30, 0}, -1},
    };
    for (const auto& [given, leg] : cases) {
        EXPECT_EQ(legNotShorterThanHypotenuse(given), leg);
        if (leg >= 0) {
            EXPECT_FALSE(solve(given).ok()) << "the solver refuses it as well";
        }
    }
}

} // namespace
