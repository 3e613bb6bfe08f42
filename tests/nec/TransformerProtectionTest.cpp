#include <gtest/gtest.h>

#include "CodeTableCsv.h"
#include "CodeTableCsvMotor.h"
#include "nec/TransformerProtection.h"

#include <limits>

namespace {

using namespace Nec;

constexpr double None = -1; // "—" or "not required"

Outcome<TransformerResult> protect(const TransformerInput& in) {
    static const TransformerOcpdTable table = CodeTableCsv::transformerOcpd();
    static const StandardRatings ratings = CodeTableCsv::standardRatings();
    return transformerProtection(in, table, ratings);
}

constexpr auto One = TransformerPhases::Single;
constexpr auto Three = TransformerPhases::Three;
constexpr auto PrimaryOnly = TransformerProtectionMethod::PrimaryOnly;
constexpr auto Both = TransformerProtectionMethod::PrimaryAndSecondary;
constexpr auto Fuse = TransformerDevice::Fuse;
constexpr auto Breaker = TransformerDevice::CircuitBreaker;

struct TransformerCase {
    const char* name;
    TransformerInput in;
    double primaryCurrent, primaryMaximum, primaryRating;
    double secondaryCurrent, secondaryMaximum, secondaryRating;
};

const TransformerCase Cases[] = {
    {"75 kVA 480/208: 125 % takes the next higher rating",
     {75, 480, 208, Three, PrimaryOnly, Fuse},
     90.213626,
     112.767032,
     125,
     208.18529,
     None,
     None},
    {"primary and secondary: 250 % at or below, 125 % next higher",
     {75, 480, 208, Three, Both, Breaker},
     90.213626,
     225.534065,
     225,
     208.18529,
     260.231613,
     300},
    {"9 A exactly is in the 125 % range",
     {1.08, 120, 240, One, PrimaryOnly, Fuse},
     9,
     11.25,
     15,
     4.5,
     None,
     None},
    {"just under 9 A: 167 %, largest rating at or below",
     {1.0788, 120, 240, One, PrimaryOnly, Fuse},
     8.99,
     15.0133,
     15,
     4.495,
     None,
     None},
    {"125 % of 12 A is exactly 15 A",
     {1.44, 120, 240, One, PrimaryOnly, Breaker},
     12,
     15,
     15,
     6,
     None,
     None},
    {"2 A exactly is in the 167 % range: fuse 3 A",
     {0.24, 120, 240, One, PrimaryOnly, Fuse},
     2,
     3.34,
     3,
     1,
     None,
     None},
    {"2 A exactly, breaker: no rating as low as 3.34 A",
     {0.24, 120, 240, One, PrimaryOnly, Breaker},
     2,
     3.34,
     None,
     1,
     None,
     None},
    {"just under 2 A: 300 %",
     {0.2388, 120, 240, One, PrimaryOnly, Fuse},
     1.99,
     5.97,
     3,
     0.995,
     None,
     None},
    {"below the 1 A fuse",
     {0.012, 120, 240, One, PrimaryOnly, Fuse},
     0.1,
     0.3,
     None,
     0.05,
     None,
     None},
    {"secondary under 9 A: 167 % at or below",
     {1, 480, 120, One, Both, Fuse},
     2.083333,
     5.208333,
     3,
     8.333333,
     13.916667,
     10},
    {"secondary at 9 A: 125 % next higher",
     {1.08, 480, 120, One, Both, Fuse},
     2.25,
     5.625,
     3,
     9,
     11.25,
     15},
};

TEST(TransformerProtection, CasesFollowTable450_3B) {
    for (const TransformerCase& c : Cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = protect(c.in);
        ASSERT_TRUE(std::holds_alternative<TransformerResult>(outcome))
            << std::get<Refusal>(outcome).message.toStdString();
        const TransformerResult& r = std::get<TransformerResult>(outcome);
        EXPECT_NEAR(r.primaryCurrent, c.primaryCurrent, 1e-6);
        EXPECT_NEAR(r.primaryMaximum, c.primaryMaximum, 1e-6);
        EXPECT_EQ(r.primaryRating.value_or(None), c.primaryRating);
        EXPECT_NEAR(r.secondaryCurrent, c.secondaryCurrent, 1e-6);
        EXPECT_EQ(r.secondaryRequired, c.in.method == Both);
        EXPECT_NEAR(r.secondaryMaximum.value_or(None), c.secondaryMaximum, 1e-6);
        EXPECT_EQ(r.secondaryRating.value_or(None), c.secondaryRating);
    }
}

TEST(TransformerProtection, StepsSayWhichRuleSetTheRating) {
    const auto outcome = protect(Cases[0].in);
    ASSERT_TRUE(std::holds_alternative<TransformerResult>(outcome));
    const QStringList expected{
        "Primary current: 75 kVA × 1000 ÷ (480 V × 1.732) = 90.21 A",
        "Secondary current: 75 kVA × 1000 ÷ (208 V × 1.732) = 208.19 A",
        "Table 450.3(B), primary only, primary current 9 A or more: 125 %",
        "Primary maximum: 90.21 A × 125 % = 112.77 A",
        "Table 450.3(B) Note 1: 112.77 A is not a standard rating; the next higher 240.6(A) "
        "rating, 125 A, is permitted",
        "Table 450.3(B), primary only: secondary protection not required",
    };
    EXPECT_EQ(std::get<TransformerResult>(outcome).steps, expected);

    struct StepCase {
        std::size_t at;
        const char* line;
    } lines[] = {
        {3, "The primary rating may not exceed 15.01 A: the largest 240.6(A) rating at or below it "
            "is 15 A"},
        {6, "The primary rating may not exceed 3.34 A, which is below the smallest 240.6(A) "
            "rating, 10 A: no standard rating fits"},
        {6, "Table 240.6(A): 3 A is a rating for fuses only, not for a circuit breaker"},
        {8, "The primary rating may not exceed 0.30 A, which is below the smallest 240.6(A) "
            "rating, 1 A: no standard rating fits"},
        {4, "Table 240.6(A): 15 A is a standard rating, so the primary rating is 15 A"},
        {9, "Table 450.3(B), primary and secondary, secondary current less than 9 A: 167 %"},
    };
    for (const StepCase& c : lines) {
        const auto o = protect(Cases[c.at].in);
        ASSERT_TRUE(std::holds_alternative<TransformerResult>(o)) << c.line;
        EXPECT_TRUE(std::get<TransformerResult>(o).steps.contains(QString::fromUtf8(c.line)))
            << c.line << "\n"
            << std::get<TransformerResult>(o).steps.join(u'\n').toStdString();
    }
}

TEST(TransformerProtection, BadNumbersAreRefused) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double max = std::numeric_limits<double>::max();
    const struct {
        TransformerInput in;
        const char* message;
    } cases[] = {
        {{0, 480, 208, Three, PrimaryOnly, Fuse}, "The kVA must be a number above 0."},
        {{nan, 480, 208, Three, PrimaryOnly, Fuse}, "The kVA must be a number above 0."},
        {{75, -480, 208, Three, PrimaryOnly, Fuse},
         "The primary voltage must be a number above 0."},
        {{75, 480, inf, Three, PrimaryOnly, Fuse},
         "The secondary voltage must be a number above 0."},
        {{max, 480, 208, Three, PrimaryOnly, Fuse}, "The numbers are too large to compute."},
        {{75, max, 208, Three, PrimaryOnly, Fuse}, "The numbers are too large to compute."},
    };
    for (const auto& c : cases) {
        const auto outcome = protect(c.in);
        ASSERT_TRUE(std::holds_alternative<Refusal>(outcome)) << c.message;
        EXPECT_EQ(std::get<Refusal>(outcome).message.toStdString(), c.message);
    }
    // A table without the row refuses instead of guessing a percentage.
    const auto outcome = transformerProtection(Cases[0].in, {}, CodeTableCsv::standardRatings());
    ASSERT_TRUE(std::holds_alternative<Refusal>(outcome));
    EXPECT_EQ(std::get<Refusal>(outcome).message,
              "Table 450.3(B) gives no primary percentage for primary only protection at currents "
              "of 9 A or more.");
}

} // namespace
