#include <gtest/gtest.h>

#include "CodeTableCsv.h"
#include "CodeTableCsvMotor.h"
#include "nec/MotorBranchCircuit.h"

#include <cmath>
#include <limits>

namespace {

using namespace Nec;

constexpr double None = -1; // no value: "setting" for the rating, "—" for the overload

const MotorTables& tables() {
    static const MotorTables t = CodeTableCsv::motorTables();
    return t;
}

// The full-load current the sheet reads for the supply, horsepower key and voltage column.
std::optional<double> fullLoad(MotorSupply supply, const QString& hp, const QString& volts) {
    const char* file = supply == MotorSupply::SinglePhase  ? "tab1Pflcurrent.csv"
                       : supply == MotorSupply::ThreePhase ? "tab3Pflcurrent.csv"
                                                           : "tabdccurrent.csv";
    const refgen::CsvFile csv = CodeTableCsv::read(QString::fromLatin1(file));
    for (const QStringList& row : csv.rows)
        if (row[csv.column(QStringLiteral("Hp"))] == hp)
            return CodeTableCsv::number(row[csv.column(volts)]);
    ADD_FAILURE() << "no row " << hp.toStdString() << " in " << file;
    return std::nullopt;
}

struct MotorCase {
    const char* name;
    MotorSupply supply;
    const char* hp; // key of the full-load table; nullptr: `flc` is given instead
    const char* volts;
    double flc;
    MotorType type;
    MotorDevice device;
    Metal metal;
    double nameplate; // None: entry left empty
    bool marked;
    // expected
    double ampacity;
    const char* size;
    TempRating column;
    double percent, maximum, rating, overload;
    const char* egc;
};

MotorInput inputOf(const MotorCase& c) {
    MotorInput in;
    in.supply = c.supply;
    in.voltage = QString::fromLatin1(c.volts);
    in.horsepower = QString::fromLatin1(c.hp ? c.hp : "");
    in.fullLoadCurrent = c.hp ? fullLoad(c.supply, in.horsepower, in.voltage) : c.flc;
    in.type = c.type;
    in.device = c.device;
    in.metal = c.metal;
    if (c.nameplate != None)
        in.nameplateCurrent = c.nameplate;
    in.serviceFactorOrTemperatureRise = c.marked;
    return in;
}

constexpr auto Single = MotorSupply::SinglePhase;
constexpr auto Three = MotorSupply::ThreePhase;
constexpr auto DC = MotorSupply::DC;
constexpr auto Cu = Metal::Copper;
constexpr auto Al = Metal::Aluminum;
constexpr auto C60 = TempRating::C60;
constexpr auto C75 = TempRating::C75;
using T = MotorType;
using D = MotorDevice;

// Worked cases an electrician can check against the tables by hand.
const MotorCase WorkedCases[] = {
    {"10 hp 460 V breaker: 250 % of 14 A is the standard 35 A", Three, "10", "460V", 0,
     T::SquirrelCage, D::InverseTimeBreaker, Cu, None, false, 17.5, "14 AWG", C75, 250, 35, 35,
     None, "10 AWG"},
    // Annex D, Example D8: 25 hp, nameplate 32 A, service factor 1.15.
    {"D8 25 hp squirrel cage, nontime-delay fuse", Three, "25", "460V", 0, T::SquirrelCage,
     D::NontimeDelayFuse, Cu, 32, true, 42.5, "8 AWG", C75, 300, 102, 110, 40, "6 AWG"},
    // Annex D, Example D8: 30 hp wound rotor, nameplate 38 A, 40°C rise; 60°C column.
    {"D8 30 hp wound rotor, nontime-delay fuse", Three, "30", "460V", 0, T::WoundRotor,
     D::NontimeDelayFuse, Cu, 38, true, 50, "6 AWG", C60, 150, 60, 60, 47.5, "10 AWG"},
    {"unmarked motor overload 115 %", Three, "10", "460V", 0, T::Synchronous, D::DualElementFuse,
     Cu, 13, false, 17.5, "12 AWG", C60, 175, 24.5, 25, 14.95, "10 AWG"},
    {"instantaneous trip: setting, EGC from the 175 % fuse", Three, "10", "460V", 0,
     T::DesignBEnergyEfficient, D::InstantaneousTripBreaker, Cu, None, false, 17.5, "14 AWG", C75,
     1100, 154, None, None, "10 AWG"},
    {"single phase aluminum, dual-element fuse next higher", Single, "1", "115V", 0, T::SinglePhase,
     D::DualElementFuse, Al, None, false, 20, "10 AWG", C60, 175, 28, 30, None, "8 AWG"},
    {"DC 10 hp: 95 A is exactly the 2 AWG 60°C value", DC, "10", "115V", 0, T::DcConstantVoltage,
     D::InverseTimeBreaker, Cu, None, false, 95, "2 AWG", C60, 150, 114, 125, None, "6 AWG"},
    {"100 A exactly: a synchronous motor stays at 60°C", Three, "30", "230V", 0, T::Synchronous,
     D::InverseTimeBreaker, Cu, None, false, 100, "1 AWG", C60, 250, 200, 200, None, "6 AWG"},
    {"above 100 A every motor takes 75°C", Three, nullptr, "230V", 80.8, T::Synchronous,
     D::InverseTimeBreaker, Cu, None, false, 101, "2 AWG", C75, 250, 202, 225, None, "4 AWG"},
    // A fuse may take the fuse-only 3 and 6 A ratings, a breaker goes on to 10 A.
    {"3 A is a fuse rating", Three, nullptr, "460V", 2, T::WoundRotor, D::DualElementFuse, Cu, None,
     false, 2.5, "14 AWG", C60, 150, 3, 3, None, "14 AWG"},
    {"3 A is not a breaker rating", Three, nullptr, "460V", 2, T::WoundRotor, D::InverseTimeBreaker,
     Cu, None, false, 2.5, "14 AWG", C60, 150, 3, 10, None, "14 AWG"},
    {"1/6 hp dual-element fuse: next higher is the fuse-only 6 A", Single, ".167", "230V", 0,
     T::SinglePhase, D::DualElementFuse, Cu, None, false, 2.75, "14 AWG", C60, 175, 3.85, 6, None,
     "14 AWG"},
};

TEST(MotorBranchCircuit, WorkedCasesFollowTheTables) {
    for (const MotorCase& c : WorkedCases) {
        SCOPED_TRACE(c.name);
        const auto outcome = motorBranchCircuit(inputOf(c), tables());
        ASSERT_TRUE(std::holds_alternative<MotorResult>(outcome))
            << std::get<Refusal>(outcome).message.toStdString();
        const MotorResult& r = std::get<MotorResult>(outcome);
        EXPECT_DOUBLE_EQ(r.conductorAmpacity, c.ampacity);
        EXPECT_EQ(r.conductorSize.caption().toStdString(), c.size);
        EXPECT_EQ(r.column, c.column);
        EXPECT_EQ(r.devicePercent, c.percent);
        EXPECT_DOUBLE_EQ(r.deviceMaximum, c.maximum);
        EXPECT_EQ(r.deviceRating.value_or(None), c.rating);
        EXPECT_NEAR(r.overload.value_or(None), c.overload, 1e-9);
        EXPECT_EQ(r.groundingConductor.caption().toStdString(), c.egc);
    }
}

TEST(MotorBranchCircuit, StepsNameTheirTables) {
    const auto outcome = motorBranchCircuit(inputOf(WorkedCases[0]), tables());
    ASSERT_TRUE(std::holds_alternative<MotorResult>(outcome));
    const QStringList expected{
        "Table 430.250, 10 hp, 460V: full-load current 14.00 A",
        "430.22: conductor ampacity 14.00 A × 125 % = 17.50 A",
        "110.14(C)(1)(a)(4): 17.50 A is 100 A or less and a squirrel cage motor is marked design "
        "letter B: 75°C column",
        "Table 310.16, copper, 75°C column: 14 AWG carries 20 A, at least 17.50 A",
        "Table 430.52(C)(1), Squirrel cage — other than Design B energy-efficient and Design B "
        "premium efficiency, inverse time breaker: 250 % of full-load current",
        "Device maximum: 14.00 A × 250 % = 35.00 A",
        "Table 240.6(A): 35 A is a standard rating, so the device is 35 A",
        "430.52(C)(1)(b): if 35 A will not start the motor, it may be raised, but never above "
        "400 % (56.00 A) for an inverse time breaker on a full-load current of 100 A or less",
        "430.32(A)(1): the overload is sized from the nameplate current; enter it to get the "
        "overload",
        "Table 250.122, 60 A row (device 35 A), copper: 10 AWG",
        "250.122(A): need not be larger than the 14 AWG circuit conductors",
    };
    EXPECT_EQ(std::get<MotorResult>(outcome).steps, expected);
}

// The steps of the other branches, by a line each must hold.
TEST(MotorBranchCircuit, StepsTellTheRuleOfEachBranch) {
    struct StepCase {
        std::size_t worked;
        const char* line;
    } cases[] = {
        {1, "430.52(C)(1)(a): 102.00 A is not a standard rating; the next higher 240.6(A) rating, "
            "110 A, is permitted"},
        {1, "430.32(A)(1), service factor 1.15 or more, or temperature rise 40°C or less: 32.00 A "
            "nameplate × 125 % = 40.00 A"},
        {1, "430.32(C): where 40.00 A will not start the motor or carry the load, up to 140 % "
            "(44.80 A)"},
        {2, "110.14(C)(1)(a): 50.00 A is 100 A or less and a wound rotor motor is not a design "
            "letter B motor: 60°C column"},
        {4, "430.52(C)(3): an instantaneous trip breaker is adjustable; set it at or below "
            "154.00 A"},
        {4, "250.122(D)(1): an instantaneous trip breaker's grounding conductor is sized from the "
            "dual-element fuse the motor would take: 14.00 A × 175 % = 24.50 A, rated 25 A"},
        {8, "110.14(C)(1)(b): 101.00 A is above 100 A: 75°C column"},
        {10, "Table 240.6(A): 3 A is a rating for fuses only, not for a circuit breaker"},
        {1, "250.122(A): need not be larger than the 8 AWG circuit conductors"},
    };
    for (const StepCase& c : cases) {
        const auto outcome = motorBranchCircuit(inputOf(WorkedCases[c.worked]), tables());
        ASSERT_TRUE(std::holds_alternative<MotorResult>(outcome)) << c.line;
        EXPECT_TRUE(std::get<MotorResult>(outcome).steps.contains(QString::fromUtf8(c.line)))
            << c.line << "\n"
            << std::get<MotorResult>(outcome).steps.join(u'\n').toStdString();
    }
}

TEST(MotorBranchCircuit, TypicalCurrentsCarryTheMark) {
    MotorInput in = inputOf(WorkedCases[0]);
    in.horsepower = QStringLiteral("1/4");
    in.voltage = QStringLiteral("208V");
    in.fullLoadCurrent = fullLoad(Three, QStringLiteral(".25"), in.voltage);
    in.typical = true;
    const auto outcome = motorBranchCircuit(in, tables());
    ASSERT_TRUE(std::holds_alternative<MotorResult>(outcome));
    const MotorResult& r = std::get<MotorResult>(outcome);
    EXPECT_TRUE(r.typical);
    EXPECT_EQ(r.steps.value(0), "Table 430.250, 1/4 hp, 208V: full-load current 1.10 A*");
    EXPECT_EQ(r.steps.value(1), "* typical value, not a code value");
}

TEST(MotorBranchCircuit, BadInputAndEmptyCellsAreRefused) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    const MotorInput good = inputOf(WorkedCases[0]);
    MotorTables emptyCell = tables();
    emptyCell.ocpd.rows.erase(emptyCell.ocpd.rows.begin() + 2); // the squirrel cage row
    struct RefusalCase {
        MotorInput in;
        const MotorTables* tables;
        const char* message;
    };
    auto with = [&](auto change) {
        MotorInput in = good;
        change(in);
        return in;
    };
    const RefusalCase cases[] = {
        {with([](MotorInput& in) {
             in.supply = DC;
             in.type = T::DcConstantVoltage;
             in.horsepower = QStringLiteral("15");
             in.voltage = QStringLiteral("115V");
             in.fullLoadCurrent = fullLoad(DC, in.horsepower, in.voltage);
         }),
         &tables(), "Table 430.247 gives no full-load current for 15 hp at 115V."},
        {with([](MotorInput& in) { in.fullLoadCurrent = 0; }), &tables(),
         "The full-load current must be a number above 0."},
        {with([&](MotorInput& in) { in.fullLoadCurrent = nan; }), &tables(),
         "The full-load current must be a number above 0."},
        {with([&](MotorInput& in) { in.fullLoadCurrent = -inf; }), &tables(),
         "The full-load current must be a number above 0."},
        {with([&](MotorInput& in) { in.nameplateCurrent = -3; }), &tables(),
         "The nameplate current must be a number above 0."},
        {with([&](MotorInput& in) { in.nameplateCurrent = inf; }), &tables(),
         "The nameplate current must be a number above 0."},
        {with([](MotorInput& in) { in.supply = DC; }), &tables(),
         "A DC supply has no \"Squirrel cage\" motor type."},
        {with([](MotorInput& in) { in.fullLoadCurrent = 600; }), &tables(),
         "No single conductor in Table 310.16 carries 750.00 A in the copper 75°C column."},
        {with([](MotorInput& in) { in.fullLoadCurrent = std::numeric_limits<double>::max(); }),
         &tables(), "The full-load current is too large for Table 310.16."},
        {good, &emptyCell,
         "Table 430.52(C)(1) gives no inverse time breaker value for a squirrel cage motor."},
    };
    for (const RefusalCase& c : cases) {
        const auto outcome = motorBranchCircuit(c.in, *c.tables);
        ASSERT_TRUE(std::holds_alternative<Refusal>(outcome)) << c.message;
        EXPECT_EQ(std::get<Refusal>(outcome).message.toStdString(), c.message);
    }
}

TEST(MotorBranchCircuit, EachSupplyOffersItsTableRows) {
    EXPECT_EQ(motorTypeCaptions(Single), QStringList{"Single-phase"});
    EXPECT_EQ(motorTypeCaptions(Three), (QStringList{"Squirrel cage", "Design B energy-efficient",
                                                     "Synchronous", "Wound rotor"}));
    EXPECT_EQ(motorTypeCaptions(DC), QStringList{"DC (constant voltage)"});
    // Every offered type has its row and four values in the shipped Table 430.52(C)(1).
    for (MotorSupply supply : {Single, Three, DC})
        for (MotorType type : motorTypes(supply))
            for (MotorDevice device : {D::NontimeDelayFuse, D::DualElementFuse,
                                       D::InstantaneousTripBreaker, D::InverseTimeBreaker})
                EXPECT_TRUE(tables().ocpd.percent(type, device))
                    << motorTypeKey(type).toStdString();
}

TEST(MotorBranchCircuit, BareTableSizesTakeTheirUnits) {
    const struct {
        const char* bare;
        const char* caption;
    } cases[] = {{"14", "14 AWG"},
                 {"1/0", "1/0 AWG"},
                 {"4/0", "4/0 AWG"},
                 {"250", "250 kcmil"},
                 {"1250", "1250 kcmil"}};
    for (const auto& c : cases)
        EXPECT_EQ(conductorSizeFromBare(QString::fromLatin1(c.bare)).value().caption(), c.caption);
    EXPECT_FALSE(conductorSizeFromBare(QString()));
    EXPECT_FALSE(conductorSizeFromBare(QStringLiteral("n/a")));
    EXPECT_EQ(tables().egc.rows.back().aluminum->caption(), "1250 kcmil");
}

} // namespace
