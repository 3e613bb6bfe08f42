#pragma once

#include "nec/ConductorTables.h"

#include <array>
#include <optional>
#include <vector>

// The Chapter 9 tables the voltage-drop calculation uses, as plain values.
namespace Nec {

enum class Raceway { Pvc, Aluminum, Steel };

QString racewayName(Raceway raceway); // "PVC conduit", "aluminum conduit", "steel conduit"

// One row of Chapter 9 Table 9 in ohm per 1000 ft: the reactance XL (one column for PVC and
// aluminum conduit, one for steel), the AC resistance and the effective Z at 0.85 power factor
// for each metal and raceway. An empty cell is an empty optional.
struct ImpedanceRow {
    ConductorSize size;
    std::optional<double> reactancePvcAluminum;
    std::optional<double> reactanceSteel;
    std::array<std::optional<double>, 3> copperR; // indexed by Raceway
    std::array<std::optional<double>, 3> aluminumR;
    std::array<std::optional<double>, 3> copperZ; // at 0.85 power factor
    std::array<std::optional<double>, 3> aluminumZ;
};

struct ImpedanceTable {
    std::vector<ImpedanceRow> rows; // smallest size first

    std::optional<std::size_t> find(const ConductorSize& size) const;
    std::optional<double> resistance(std::size_t row, Metal metal, Raceway raceway) const;
    std::optional<double> reactance(std::size_t row, Raceway raceway) const;
    std::optional<double> impedanceAt85(std::size_t row, Metal metal, Raceway raceway) const;
};

// The DC resistance of Chapter 9 Table 8 in ohm per 1000 ft at 75 °C, stranded conductors:
// uncoated copper and aluminum.
struct DcResistanceRow {
    ConductorSize size;
    std::optional<double> copper;
    std::optional<double> aluminum;
};

struct DcResistanceTable {
    std::vector<DcResistanceRow> rows;

    std::optional<double> resistance(const ConductorSize& size, Metal metal) const;
};

} // namespace Nec
