#include <gtest/gtest.h>

#include "CodeTableCsvAmpacity.h"

using namespace Nec;

namespace {

const VoltageDropTables& tables() {
    static const VoltageDropTables t = CodeTableCsv::voltageDropTables();
    return t;
}

ConductorSize awg(const char* s) {
    return {QString::fromLatin1(s), QStringLiteral("AWG")};
}
ConductorSize kcmil(const char* s) {
    return {QString::fromLatin1(s), QStringLiteral("kcmil")};
}

// A run: system, metal, raceway, size, volts, amperes, length (ft), power factor %.
VoltageDropInput run(SupplySystem system, Metal metal, Raceway raceway, ConductorSize size,
                     double volts, double amperes, double length, double pf = 85) {
    VoltageDropInput in;
    in.system = system;
    in.metal = metal;
    in.raceway = raceway;
    in.size = size;
    in.volts = volts;
    in.amperes = amperes;
    in.length = length;
    in.powerFactorPercent = pf;
    return in;
}

VoltageDropInput with(VoltageDropInput in, DropFind find, double sets = 1, double maxDrop = 3,
                      LengthUnit unit = LengthUnit::Feet) {
    in.find = find;
    in.sets = sets;
    in.maxDropPercent = maxDrop;
    in.lengthUnit = unit;
    return in;
}

VoltageDropResult ok(const Outcome<VoltageDropResult>& o) {
    if (const auto* refusal = std::get_if<Refusal>(&o))
        ADD_FAILURE() << "refused: " << refusal->message.toStdString();
    const auto* r = std::get_if<VoltageDropResult>(&o);
    return r ? *r : VoltageDropResult{};
}

constexpr auto Single = SupplySystem::SinglePhase;
constexpr auto Three = SupplySystem::ThreePhase;
constexpr auto Dc = SupplySystem::Dc;
constexpr auto Cu = Metal::Copper;
constexpr auto Al = Metal::Aluminum;
constexpr auto Pvc = Raceway::Pvc;
constexpr auto Steel = Raceway::Steel;
constexpr std::nullopt_t none = std::nullopt;
const VoltageDropInput branch = run(Single, Cu, Pvc, awg("12"), 120, 20, 100);

TEST(VoltageDrop, WorkedRuns) {
    const struct {
        const char* what;
        VoltageDropInput in;
        ConductorSize size;
        double z, volts, percent, length;
        std::optional<double> maximumLength, ampacity75;
    } cases[] = {
        {"2 × 20 × 1.7 × 100 / 1000", with(branch, DropFind::Drop), awg("12"), 1.7, 6.8, 5.6667,
         100, none, 25},
        {"Note 2 at 90 %: 2.0 × 0.9 + 0.068 × √0.19",
         with(run(Single, Cu, Steel, awg("12"), 120, 20, 100, 90), DropFind::Drop), awg("12"),
         1.829640, 7.318560, 6.0988, 100, none, 25},
        {"unity power factor is R",
         with(run(Single, Cu, Pvc, awg("12"), 120, 20, 100, 100), DropFind::Drop), awg("12"), 2.0,
         8.0, 6.6667, 100, none, 25},
        {"three phase 1.732", with(run(Three, Al, Pvc, awg("4/0"), 480, 150, 250), DropFind::Drop),
         awg("4/0"), 0.11, 7.1445, 1.4884, 250, none, 180},
        {"DC uses Table 8", with(run(Dc, Cu, Steel, awg("10"), 24, 10, 50, 0), DropFind::Drop),
         awg("10"), 1.24, 1.24, 5.1667, 50, none, 35},
        {"two sets share the current",
         with(run(Three, Cu, Steel, kcmil("250"), 480, 400, 200), DropFind::Drop, 2), kcmil("250"),
         0.073, 5.05744, 1.0536, 200, none, 510},
        {"30.48 m is 100 ft",
         with(run(Single, Cu, Pvc, awg("12"), 120, 20, 30.48), DropFind::Drop, 1, 3,
              LengthUnit::Metres),
         awg("12"), 1.7, 6.8, 5.6667, 30.48, none, 25},
        {"size: 10 AWG gives 3.67 %, 8 AWG 2.30 %", with(branch, DropFind::Size), awg("8"), 0.69,
         2.76, 2.3, 100, none, 50},
        {"size: 4 AWG for one set",
         with(run(Single, Cu, Pvc, awg("12"), 240, 100, 100), DropFind::Size), awg("4"), 0.29, 5.8,
         2.4167, 100, none, 85},
        {"size: parallel sets start at 1/0",
         with(run(Single, Cu, Pvc, awg("12"), 240, 100, 100), DropFind::Size, 2), awg("1/0"), 0.13,
         1.3, 0.5417, 100, none, 300},
        {"length: 3.6 V / (2 × 20 × 1.7) = 52.94 ft", with(branch, DropFind::Length), awg("12"),
         1.7, 3.536, 2.9467, 52, 52, 25},
        {"length in metres: 16.14 m", with(branch, DropFind::Length, 1, 3, LengthUnit::Metres),
         awg("12"), 1.7, 3.56955, 2.9746, 16, 16, 25},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const VoltageDropResult r = ok(voltageDrop(c.in, tables()));
        EXPECT_EQ(r.size, c.size);
        EXPECT_NEAR(r.impedance, c.z, 1e-6);
        EXPECT_NEAR(r.dropVolts, c.volts, 1e-4);
        EXPECT_NEAR(r.dropPercent, c.percent, 1e-4);
        EXPECT_NEAR(r.loadVolts, c.in.volts - c.volts, 1e-4);
        EXPECT_DOUBLE_EQ(r.length, c.length);
        EXPECT_EQ(r.maximumLength, c.maximumLength);
        EXPECT_EQ(r.ampacity75, c.ampacity75);
    }
}

TEST(VoltageDrop, Steps) {
    const VoltageDropResult drop = ok(voltageDrop(with(branch, DropFind::Drop), tables()));
    const QStringList expected{
        "Single phase: k = 2",
        "Chapter 9 Table 9, 12 AWG copper in PVC conduit, effective Z at 0.85 power factor (the "
        "table's own column): 1.700 ohm/1000 ft",
        "VD = 2 × 20.0 A × 1.700 × 100 ft / 1000 / 1 set = 6.80 V",
        "VD% = 100 × 6.80 V / 120.00 V = 5.67 %",
        "Voltage at load: 120.00 V − 6.80 V = 113.20 V",
        "Table 310.16, 12 AWG copper, 75°C column, for comparison: 25.0 A × 1 set = 25.0 A",
    };
    EXPECT_EQ(drop.steps.join(u'\n').toStdString(), expected.join(u'\n').toStdString());

    const VoltageDropResult note2 = ok(voltageDrop(
        with(run(Single, Cu, Steel, awg("12"), 120, 20, 100, 90), DropFind::Drop), tables()));
    EXPECT_TRUE(note2.steps.contains(
        "Chapter 9 Table 9, 12 AWG copper in steel conduit: R = 2.000, XL (steel conduit) = 0.068 "
        "ohm/1000 ft"));
    EXPECT_TRUE(note2.steps.contains(
        "Table 9, Note 2, at 90 % power factor: Z = R × 0.90 + XL × √(1 − 0.90²) = 2.000 × 0.90 "
        "+ 0.068 × 0.4359 = 1.830 ohm/1000 ft"));

    const VoltageDropResult size = ok(voltageDrop(with(branch, DropFind::Size), tables()));
    EXPECT_EQ(size.steps.mid(size.steps.size() - 3, 2),
              QStringList({"The next smaller size, 10 AWG copper, gives 3.67 %, more than 3.00 %",
                           "Size: 8 AWG, the smallest whose drop is within 3.00 %"}));

    const VoltageDropResult metres =
        ok(voltageDrop(with(branch, DropFind::Length, 1, 3, LengthUnit::Metres), tables()));
    EXPECT_TRUE(metres.steps.contains("52.94 ft × 0.3048 = 16.14 m"));
    EXPECT_TRUE(metres.steps.contains("Maximum length, rounded down: 16 m"));
    EXPECT_TRUE(metres.steps.contains("One-way length: 16 m ÷ 0.3048 = 52.49 ft"));

    // Over the 75°C ampacity, and a drop past the supply voltage: computed, with the warnings.
    const VoltageDropResult heavy =
        ok(voltageDrop(with(run(Dc, Cu, Pvc, awg("14"), 12, 30, 1000), DropFind::Drop), tables()));
    EXPECT_NEAR(heavy.dropVolts, 188.4, 1e-9);
    EXPECT_NEAR(heavy.loadVolts, -176.4, 1e-9);
    EXPECT_TRUE(heavy.steps.contains(
        "The current 30.0 A exceeds the 75°C ampacity 20.0 A: the conductors are too small to "
        "carry it."));
    EXPECT_TRUE(heavy.steps.contains(
        "Warning: the drop is 100 % or more of the supply voltage, so the load cannot be served "
        "over this run."));
    EXPECT_FALSE(drop.steps.join(u'\n').contains("Warning"));
}

TEST(VoltageDrop, Refusals) {
    const auto twelve = [](double volts, double amperes, double length, double pf = 85) {
        return run(Single, Cu, Pvc, awg("12"), volts, amperes, length, pf);
    };
    const struct {
        const char* what;
        VoltageDropInput in;
        const char* message; // a part of it
    } cases[] = {
        {"no voltage", twelve(0, 20, 100), "voltage must be a number above 0"},
        {"negative current", twelve(120, -1, 100), "current must be"},
        {"no length", twelve(120, 20, 0), "one-way length"},
        {"length NaN", twelve(120, 20, std::nan("")), "one-way length"},
        {"power factor 0", twelve(120, 20, 100, 0), "power factor must be"},
        {"power factor over 100", twelve(120, 20, 100, 100.5), "may not be above 100 %"},
        {"fractional sets", with(branch, DropFind::Drop, 1.5), "parallel sets must be a whole"},
        {"no sets", with(branch, DropFind::Drop, 0), "parallel sets must be a whole"},
        {"12 AWG in parallel", with(branch, DropFind::Length, 2), "(310.10(G))"},
        {"no maximum drop", with(branch, DropFind::Size, 1, 0), "maximum drop"},
        {"14 AWG aluminum", run(Single, Al, Pvc, awg("14"), 120, 20, 100),
         "Chapter 9 Table 9 gives no effective Z at 0.85 power factor for 14 AWG aluminum in PVC "
         "conduit."},
        {"14 AWG aluminum, Note 2", run(Single, Al, Pvc, awg("14"), 120, 20, 100, 90),
         "resistance and reactance"},
        {"DC size outside Table 8", run(Dc, Cu, Pvc, kcmil("3000"), 120, 20, 100),
         "Chapter 9 Table 8 gives no resistance for 3000 kcmil copper."},
        {"overflow", twelve(120, 1e308, 1e308), "too large"},
        {"no size keeps it", with(twelve(120, 500, 1000), DropFind::Size, 1, 1),
         "No conductor size in Chapter 9 Table 9 keeps the drop within 1.00 %"},
        {"length too large", with(twelve(120, 1e-308, 100), DropFind::Length), "too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome<VoltageDropResult> o = voltageDrop(c.in, tables());
        ASSERT_TRUE(std::holds_alternative<Refusal>(o));
        EXPECT_TRUE(std::get<Refusal>(o).message.contains(QString::fromUtf8(c.message)))
            << std::get<Refusal>(o).message.toStdString();
    }
    // What the mode does not use is not checked: DC ignores the power factor, a length search
    // the length.
    ok(voltageDrop(run(Dc, Cu, Pvc, awg("12"), 120, 20, 100, 0), tables()));
    ok(voltageDrop(with(twelve(120, 20, std::nan("")), DropFind::Length), tables()));
}

TEST(VoltageDrop, SizeLists) {
    const auto copper = impedanceSizes(tables().impedance, Cu);
    const auto aluminum = impedanceSizes(tables().impedance, Al);
    ASSERT_EQ(copper.size(), 21u);
    ASSERT_EQ(aluminum.size(), 20u);
    EXPECT_EQ(copper.front().caption(), "14 AWG");
    EXPECT_EQ(aluminum.front().caption(), "12 AWG");
    EXPECT_EQ(copper.back().caption(), "1000 kcmil");
    EXPECT_FALSE(parallelAllowed(awg("1")));
    EXPECT_TRUE(parallelAllowed(awg("1/0")));
    EXPECT_TRUE(parallelAllowed(kcmil("250")));
}

} // namespace
