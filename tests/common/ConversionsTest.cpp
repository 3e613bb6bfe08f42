#include <gtest/gtest.h>

#include <cmath>

#include "common/Conversions.h"
#include "common/EntryFilter.h"

namespace {

TEST(FilterKey, PassesControlCodesDigitsAndPointOnly) {
    for (int code = 0; code <= 26; ++code)
        EXPECT_EQ(FilterKey(code), code) << "control code " << code;
    for (const char c : std::string("0123456789."))
        EXPECT_EQ(FilterKey(c), c) << c;
    for (const char c : std::string("-+eE, aZ/\x1b\x7f"))
        EXPECT_EQ(FilterKey(static_cast<unsigned char>(c)), 0) << "code " << int(c);
    EXPECT_EQ(FilterKey(0x00B7), 0) << "middle dot";
    EXPECT_EQ(FilterKey(0x0661), 0) << "Arabic-Indic digit one";
}

struct StrictCase {
    const char* text;
    std::optional<double> expected;
};

TEST(ToNumberStrict, AcceptsOnlyOneWholeNumber) {
    const StrictCase cases[] = {
        {"12", 12.0},
        {"1.5", 1.5},
        {".5", 0.5},
        {"5.", 5.0},
        {"  42  ", 42.0},
        {"\t7\n", 7.0},
        {"0", 0.0},
        {"007", 7.0},
        {"-3", -3.0},
        {"+3", 3.0},
        {"1e3", 1000.0},
        {"2.5E-2", 0.025},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {".", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1,5", std::nullopt},
        {"1 000", std::nullopt},
        {"12abc", std::nullopt},
        {"abc", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
        {"1e", std::nullopt},
        {"e5", std::nullopt},
        {"1e999", std::nullopt},
        {"--1", std::nullopt},
        {"-", std::nullopt},
    };
    for (const StrictCase& c : cases) {
        const auto got = toNumberStrict(QString::fromLatin1(c.text));
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << '"' << c.text << '"';
        if (got) {
            EXPECT_DOUBLE_EQ(*got, *c.expected) << '"' << c.text << '"';
        }
    }
}

TEST(LeadingNumber, TakesDigitsAndFirstPointFromTheStart) {
    const std::pair<const char*, double> cases[] = {
        {"1.2.3", 1.2}, {".", 0.0},   {"", 0.0},    {"12abc", 12.0}, {".5", 0.5},
        {"5.", 5.0},    {"abc", 0.0}, {" 5", 0.0},  {"-5", 0.0},     {"3.25 ohm", 3.25},
        {"007", 7.0},   {"1e3", 1.0}, {"..5", 0.0}, {"0.000", 0.0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromLatin1(text)), expected) << '"' << text << '"';
}

TEST(LeadingNumber, OverlongDigitRunIsInfiniteNotACrash) {
    EXPECT_TRUE(std::isinf(leadingNumber(QString(400, u'9'))));
}

} // namespace
