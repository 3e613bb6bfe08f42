#pragma once

#include "nec/ImpedanceTables.h"

#include <QStringList>
#include <optional>
#include <vector>

// The voltage drop of a run, from the Chapter 9 Table 9 impedance (AC) or the Table 8
// resistance (DC); or the smallest size that keeps the drop within a limit; or the longest run
// that does.
namespace Nec {

enum class SupplySystem { SinglePhase, ThreePhase, Dc };
enum class DropFind { Drop, Size, Length };
enum class LengthUnit { Feet, Metres };

struct VoltageDropInput {
    SupplySystem system = SupplySystem::SinglePhase;
    Metal metal = Metal::Copper;
    Raceway raceway = Raceway::Pvc; // AC only
    DropFind find = DropFind::Drop;
    ConductorSize size{QStringLiteral("12"), QStringLiteral("AWG")}; // Drop and Length
    double volts = 0;
    double amperes = 0;
    double length = 0; // one way, in `lengthUnit`; Drop and Size
    LengthUnit lengthUnit = LengthUnit::Feet;
    double powerFactorPercent = 85; // AC only; 0 < pf ≤ 100
    double sets = 1;                // parallel sets; whole, 1 or more
    double maxDropPercent = 3;      // Size and Length
};

struct VoltageDropTables {
    ImpedanceTable impedance;       // Chapter 9 Table 9
    DcResistanceTable dcResistance; // Chapter 9 Table 8
    AmpacityTable ampacity;         // Table 310.16, for the 75°C comparison
};

struct VoltageDropResult {
    ConductorSize size; // the size given, or the size found
    double dropVolts = 0;
    double dropPercent = 0;
    double loadVolts = 0;
    double impedance = 0; // ohm per 1000 ft
    // The one-way length the drop is for, in the chosen unit: the length given, or when finding
    // the maximum length that length rounded down to a whole number.
    double length = 0;
    std::optional<double> maximumLength; // Length only, whole, in the chosen unit
    std::optional<double> ampacity75;    // Table 310.16 75°C × sets; empty when not listed
    QStringList steps;
};

// Computes the drop, the size or the maximum length as `input.find` says.
Outcome<VoltageDropResult> voltageDrop(const VoltageDropInput& input,
                                       const VoltageDropTables& tables);

// The Table 9 sizes offered for a metal: the rows with every resistance and 0.85 PF impedance
// of that metal (copper 14 AWG – 1000 kcmil, aluminum from 12 AWG).
std::vector<ConductorSize> impedanceSizes(const ImpedanceTable& table, Metal metal);

// 310.10(G): only 1/0 AWG and larger may be run in parallel.
bool parallelAllowed(const ConductorSize& size);

} // namespace Nec
