#include <gtest/gtest.h>

#include "CodeTableCsvAmpacity.h"

using namespace Nec;

namespace {

const ConductorAmpacityTables& tables() {
    static const ConductorAmpacityTables t = CodeTableCsv::conductorAmpacityTables();
    return t;
}

ConductorSize awg(const char* s) {
    return {QString::fromLatin1(s), QStringLiteral("AWG")};
}
ConductorSize kcmil(const char* s) {
    return {QString::fromLatin1(s), QStringLiteral("kcmil")};
}

AmpacityInput of(Metal metal, TempRating insulation, TempRating terminations, double ambient,
                 double conductors) {
    AmpacityInput in;
    in.metal = metal;
    in.insulation = insulation;
    in.terminations = terminations;
    in.ambient = ambient;
    in.conductors = conductors;
    return in;
}

AmpacityInput sized(AmpacityInput in, ConductorSize size,
                    TemperatureUnit unit = TemperatureUnit::Celsius) {
    in.size = size;
    in.ambientUnit = unit;
    return in;
}

AmpacityInput forLoad(AmpacityInput in, double load, bool continuous = false) {
    in.find = AmpacityFind::SizeForLoad;
    in.load = load;
    in.continuous = continuous;
    return in;
}

AmpacityResult ok(const Outcome<AmpacityResult>& o) {
    if (const auto* refusal = std::get_if<Refusal>(&o))
        ADD_FAILURE() << "refused: " << refusal->message.toStdString();
    const auto* r = std::get_if<AmpacityResult>(&o);
    return r ? *r : AmpacityResult{};
}

constexpr auto Cu = Metal::Copper;
constexpr auto Al = Metal::Aluminum;
constexpr auto C60 = TempRating::C60;
constexpr auto C75 = TempRating::C75;
constexpr auto C90 = TempRating::C90;

struct AmpacityCase {
    const char* what;
    AmpacityInput in;
    double table, fa, fc, corrected, limit, allowable, device;
    const char* governedBy;
};

TEST(ConductorAmpacity, AmpacityOfASize) {
    const AmpacityCase cases[] = {
        {"worked case: 30 × 0.91 × 0.80, 240.4(D) caps 25 at 20",
         sized(of(Cu, C90, C75, 40, 6), awg("12")), 30, 0.91, 0.80, 21.84, 25, 21.84, 20,
         "correction factors"},
        {"at 30 °C and three conductors the terminations govern",
         sized(of(Cu, C75, C75, 30, 3), awg("12")), 25, 1, 1, 25, 25, 25, 20, "terminations"},
        {"60°C terminations on 90°C wire; 40 A is a rating",
         sized(of(Cu, C90, C60, 30, 3), awg("8")), 55, 1, 1, 55, 40, 40, 40, "terminations"},
        {"104 °F is the top of the 96–104 row",
         sized(of(Cu, C90, C75, 104, 3), awg("10"), TemperatureUnit::Fahrenheit), 40, 0.91, 1, 36.4,
         35, 35, 30, "terminations"},
        {"105 °F falls in the next row",
         sized(of(Cu, C90, C75, 105, 3), awg("10"), TemperatureUnit::Fahrenheit), 40, 0.87, 1, 34.8,
         35, 34.8, 30, "correction factors"},
        {"30.5 °C takes the warmer row", sized(of(Cu, C75, C75, 30.5, 3), awg("6")), 65, 0.94, 1,
         61.1, 65, 61.1, 70, "correction factors"},
        {"aluminum, next higher rating", sized(of(Al, C75, C75, 30, 3), awg("4/0")), 180, 1, 1, 180,
         180, 180, 200, "terminations"},
        {"9 conductors at 35 °C", sized(of(Cu, C75, C75, 35, 9), kcmil("500")), 380, 0.94, 0.70,
         250.04, 380, 250.04, 300, "correction factors"},
        {"41 conductors and beyond: 35 %", sized(of(Cu, C90, C90, -40, 1e6), kcmil("2000")), 750,
         1.15, 0.35, 301.875, 750, 301.875, 350, "correction factors"},
        {"55 °C is the last row of the 60°C column", sized(of(Cu, C60, C60, 55, 3), awg("12")), 20,
         0.41, 1, 8.2, 20, 8.2, 10, "correction factors"},
        {"185 °F is the last row of the table",
         sized(of(Cu, C90, C90, 185, 3), awg("12"), TemperatureUnit::Fahrenheit), 30, 0.29, 1, 8.7,
         30, 8.7, 10, "correction factors"},
        {"cold ambient raises the ampacity, the terminations cap it",
         sized(of(Cu, C90, C75, 10, 3), kcmil("2000")), 750, 1.15, 1, 862.5, 665, 665, 700,
         "terminations"},
    };
    for (const AmpacityCase& c : cases) {
        SCOPED_TRACE(c.what);
        const AmpacityResult r = ok(conductorAmpacity(c.in, tables()));
        EXPECT_EQ(r.size, c.in.size);
        EXPECT_DOUBLE_EQ(r.tableAmpacity, c.table);
        EXPECT_DOUBLE_EQ(r.ambientFactor, c.fa);
        EXPECT_DOUBLE_EQ(r.adjustmentFactor, c.fc);
        EXPECT_NEAR(r.correctedAmpacity, c.corrected, 1e-9);
        EXPECT_DOUBLE_EQ(r.terminationLimit, c.limit);
        EXPECT_NEAR(r.allowableAmpacity, c.allowable, 1e-9);
        EXPECT_DOUBLE_EQ(r.maximumDevice, c.device);
        EXPECT_EQ(r.governedBy, QString::fromUtf8(c.governedBy));
    }
}

TEST(ConductorAmpacity, WorkedCaseSteps) {
    const AmpacityResult r =
        ok(conductorAmpacity(sized(of(Cu, C90, C75, 40, 6), awg("12")), tables()));
    const QStringList expected{
        "Table 310.15(B)(1)(1), 40 °C (row 36–40 °C), 90°C column: × 0.91",
        "Table 310.15(C)(1), 6 current-carrying conductors (4–6): 80 % → × 0.80",
        "Table 310.16, 12 AWG copper, 90°C column: 30.0 A",
        "Corrected ampacity: 30.0 A × 0.91 × 0.80 = 21.84 A",
        "110.14(C), the lower of 90°C insulation and 75°C terminations: Table 310.16, 75°C column: "
        "25.0 A",
        "Allowable ampacity: the smaller of 21.84 A and 25.0 A = 21.84 A",
        "240.4(B), Table 240.6(A): the next higher standard rating above 21.84 A (up to 800 A): 25 "
        "A",
        "240.4(D), 12 AWG copper: not more than 20 A",
        "Maximum overcurrent device for 12 AWG copper: 20 A",
        "Governed by: correction factors (21.84 A < 25.0 A)",
    };
    EXPECT_EQ(r.steps.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
}

struct LoadCase {
    const char* what;
    AmpacityInput in;
    ConductorSize size;
    double device;
    const char* governedBy;
};

// Each condition on both sides of its boundary: the load just met by the smaller size, then a
// hair more.
TEST(ConductorAmpacity, SizeForALoad) {
    const AmpacityInput cu75 = of(Cu, C75, C75, 30, 3);
    const AmpacityInput cu90ten = of(Cu, C90, C75, 30, 10);
    const LoadCase cases[] = {
        {"15 A fits 14 AWG", forLoad(cu75, 15), awg("14"), 15, "smallest size"},
        {"15.01 A needs a 20 A device, over 14 AWG's 240.4(D) limit", forLoad(cu75, 15.01),
         awg("12"), 20, "overcurrent device"},
        {"continuous 52 A: 65 A at the terminations of 6 AWG", forLoad(cu75, 52, true), awg("6"),
         70, "terminations, correction factors, overcurrent device"},
        {"continuous 52.01 A: past the 6 AWG terminations only", forLoad(cu75, 52.01, true),
         awg("4"), 70, "terminations"},
        {"12.5 A is 14 AWG corrected to 50 %", forLoad(cu90ten, 12.5), awg("14"), 15,
         "smallest size"},
        {"12.51 A is past 14 AWG's corrected ampacity", forLoad(cu90ten, 12.51), awg("12"), 15,
         "correction factors"},
        {"15.01 A: past 12 AWG's correction and device", forLoad(cu90ten, 15.01), awg("10"), 20,
         "correction factors, overcurrent device"},
        {"worked conditions, continuous 16 A", forLoad(of(Cu, C90, C75, 40, 6), 16, true),
         awg("12"), 20, "overcurrent device"},
        {"aluminum starts at 12 AWG", forLoad(of(Al, C75, C75, 30, 3), 10), awg("12"), 10,
         "smallest size"},
        {"600 A", forLoad(cu75, 600), kcmil("1500"), 600, "terminations, correction factors"},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const AmpacityResult r = ok(conductorAmpacity(c.in, tables()));
        EXPECT_EQ(r.size, c.size);
        EXPECT_DOUBLE_EQ(r.maximumDevice, c.device);
        EXPECT_EQ(r.governedBy, QString::fromUtf8(c.governedBy));
    }
    const AmpacityResult r = ok(conductorAmpacity(forLoad(cu75, 15.01), tables()));
    EXPECT_TRUE(r.steps.contains(
        "The next smaller size, 14 AWG copper, fails: overcurrent device (20 A > 15 A)"));
    EXPECT_EQ(r.steps.first(), "Load: 15.01 A");
    EXPECT_EQ(r.steps.last(), "Overcurrent device: 20 A");
}

TEST(ConductorAmpacity, Refusals) {
    const AmpacityInput cu75 = of(Cu, C75, C75, 30, 3);
    const struct {
        const char* what;
        AmpacityInput in;
        const char* message; // a part of it
    } cases[] = {
        {"60°C wire above 55 °C", sized(of(Cu, C60, C60, 56, 3), awg("12")),
         "Table 310.15(B)(1)(1) gives no correction factor for 60°C insulation at 56 °C"},
        {"75°C wire above 70 °C", sized(of(Cu, C75, C75, 70.5, 3), awg("12")),
         "Table 310.15(B)(1)(1)"},
        {"90°C wire above the table",
         sized(of(Cu, C90, C75, 185.5, 3), awg("12"), TemperatureUnit::Fahrenheit), "at 185.5 °F"},
        {"ambient not a number", sized(of(Cu, C75, C75, std::nan(""), 3), awg("12")), "ambient"},
        {"no conductors", of(Cu, C75, C75, 30, 0), "whole number of 1 or more"},
        {"fractional count", of(Cu, C75, C75, 30, 4.5), "whole number of 1 or more"},
        {"infinite count", of(Cu, C75, C75, 30, INFINITY), "whole number of 1 or more"},
        {"14 AWG aluminum is empty", sized(of(Al, C75, C75, 30, 3), awg("14")),
         "Table 310.16 gives no value for 14 AWG aluminum in the 75°C column."},
        {"18 AWG has only a 90°C value", sized(of(Cu, C90, C75, 30, 3), awg("18")),
         "18 AWG copper"},
        {"not a size of the table", sized(cu75, kcmil("3/0")),
         "Table 310.16 has no size 3/0 kcmil."},
        {"load of 0", forLoad(cu75, 0), "The load must be a number above 0."},
        {"load beyond every conductor", forLoad(cu75, 700),
         "No single conductor in Table 310.16 carries the load under these conditions."},
        {"load beyond every rating", forLoad(cu75, 1e308, true), "No single conductor"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome<AmpacityResult> o = conductorAmpacity(c.in, tables());
        ASSERT_TRUE(std::holds_alternative<Refusal>(o));
        EXPECT_TRUE(std::get<Refusal>(o).message.contains(QString::fromUtf8(c.message)))
            << std::get<Refusal>(o).message.toStdString();
    }
}

TEST(ConductorAmpacity, StandardDeviceUpToAndAbove800) {
    const struct {
        double ampacity;
        double device;
        const char* rule;
    } cases[] = {
        {0.5, 10, "240.4(B)"},  {25, 25, "is a standard rating"},     {600.5, 700, "240.4(B)"},
        {799, 800, "240.4(B)"}, {800, 800, "is a standard rating"},   {800.5, 800, "240.4(C)"},
        {999, 800, "240.4(C)"}, {1000, 1000, "is a standard rating"}, {7000, 6000, "240.4(C)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ampacity);
        QString step;
        EXPECT_EQ(standardDeviceFor(c.ampacity, tables().standardRatings, &step), c.device);
        EXPECT_TRUE(step.contains(QString::fromUtf8(c.rule))) << step.toStdString();
    }
    EXPECT_FALSE(standardDeviceFor(std::nan(""), tables().standardRatings));
}

TEST(ConductorAmpacity, SizeLists) {
    const auto copper = ampacitySizes(tables().ampacity, Cu);
    const auto aluminum = ampacitySizes(tables().ampacity, Al);
    ASSERT_EQ(copper.size(), 28u);
    ASSERT_EQ(aluminum.size(), 27u);
    EXPECT_EQ(copper.front().caption(), "14 AWG");
    EXPECT_EQ(aluminum.front().caption(), "12 AWG");
    EXPECT_EQ(copper.back().caption(), "2000 kcmil");
    EXPECT_EQ(copper[9].caption(), "1/0 AWG"); // 14 12 10 8 6 4 3 2 1 1/0
}

} // namespace
