#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/DisplayMask.h"

namespace {

struct MaskCase {
    double value;
    const char16_t* mask;
    const char* expected;
};

void PrintTo(const MaskCase& c, std::ostream* os) {
    *os << c.value << " through \"" << QString::fromUtf16(c.mask).toStdString() << '"';
}

class DisplayMaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(DisplayMaskTest, Renders) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(formatMask(c.value, c.mask).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    DocumentedExamples, DisplayMaskTest,
    ::testing::Values(MaskCase{0.5, u"#.00#", ".50"}, MaskCase{2, u"#.00#", "2.00"},
                      MaskCase{1234.56789, u"#.00#", "1234.568"}, MaskCase{0, u"#.00#", ".00"},
                      MaskCase{0.5, u"#0.00#", "0.50"}, MaskCase{0, u"#0.00#", "0.00"},
                      MaskCase{12, u"#.0#", "12.0"}, MaskCase{0.25, u"#.0#", ".25"},
                      MaskCase{3.14159, u"#.0#", "3.14"}, MaskCase{230, u"#.0# (V)", "230.0 (V)"},
                      MaskCase{12.5, u"#.0# (A)", "12.5 (A)"},
                      MaskCase{0.856, u"#.0# (%)", "85.6 (%)"},
                      MaskCase{0.9, u"#.0# (%)", "90.0 (%)"},
                      MaskCase{0.85, u"#.0# (%)", "85.0 (%)"}, MaskCase{0.004, u"#.00#", ".004"},
                      MaskCase{0.0004, u"#.00#", ".00"}));

// Halves round away from zero on the 15-digit decimal form, not on the binary value: 2.0005 is
// stored just below the half yet shows as 2.001, and 1.005 as 1.01.
INSTANTIATE_TEST_SUITE_P(
    RoundingHalves, DisplayMaskTest,
    ::testing::Values(MaskCase{2.0005, u"#.00#", "2.001"}, MaskCase{1.005, u"#.0#", "1.01"},
                      MaskCase{0.125, u"#.0#", ".13"}, MaskCase{0.0005, u"#.00#", ".001"},
                      MaskCase{0.00049, u"#.00#", ".00"}, MaskCase{9.9995, u"#.00#", "10.00"},
                      MaskCase{999.9995, u"#.00#", "1000.00"}, MaskCase{0.995, u"#.0#", "1.0"},
                      MaskCase{0.9995, u"#0.00#", "1.00"}, MaskCase{1.0 / 3.0, u"#.00#", ".333"},
                      MaskCase{2.0 / 3.0, u"#.00#", ".667"},
                      MaskCase{0.12345, u"#.0# (%)", "12.35 (%)"}));

INSTANTIATE_TEST_SUITE_P(
    Negatives, DisplayMaskTest,
    ::testing::Values(MaskCase{-2.5, u"#.00#", "-2.50"}, MaskCase{-0.5, u"#.00#", "-.50"},
                      MaskCase{-0.5, u"#0.00#", "-0.50"}, MaskCase{-2.0005, u"#.00#", "-2.001"},
                      MaskCase{-0.0004, u"#.00#", ".00"}, MaskCase{-0.0, u"#.0#", ".0"},
                      MaskCase{-0.001, u"#.0# (V)", ".0 (V)"},
                      MaskCase{-12.345, u"#.0# (A)", "-12.35 (A)"}));

INSTANTIATE_TEST_SUITE_P(
    LargeAndTiny, DisplayMaskTest,
    ::testing::Values(MaskCase{1e15, u"#.00#", "1000000000000000.00"},
                      MaskCase{123456789012345678.0, u"#.0#", "123456789012346000.0"},
                      MaskCase{1e20, u"#.0#", "100000000000000000000.0"},
                      MaskCase{1e-300, u"#.00#", ".00"}, MaskCase{5e-324, u"#0.00#", "0.00"},
                      MaskCase{123456.7894999, u"#.00#", "123456.789"},
                      MaskCase{1e6, u"#.0# (%)", "100000000.0 (%)"}));

TEST(DisplayMaskLimits, LargestDoubleShowsEveryDigitPlace) {
    const QString text = formatMask(std::numeric_limits<double>::max(), u"#.00#");
    EXPECT_EQ(text.size(), 309 + 3);
    EXPECT_TRUE(text.startsWith(u"179769313486232"));
    EXPECT_TRUE(text.endsWith(u".00"));
}

TEST(DisplayMaskLimits, NonFiniteValuesHaveNoRendering) {
    for (const double v : {std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), std::nan("")}) {
        EXPECT_TRUE(formatMask(v, u"#.00#").isEmpty()) << v;
    }
}

} // namespace
