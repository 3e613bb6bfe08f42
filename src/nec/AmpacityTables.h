#pragma once

#include "nec/ConductorTables.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// The tables only the ampacity calculation uses, as plain values (filled from the reference
// database by the window, from the CSVs by the tests).
namespace Nec {

// One row of Table 310.15(B)(1)(1): the printed whole-degree bounds, inclusive, in °C and °F
// (the first row has no lower bound), and the factor of each insulation column. An empty cell
// is an empty optional: the conductor may not be used at that ambient.
struct TempCorrectionRow {
    std::optional<double> celsiusMin;
    std::optional<double> celsiusMax;
    std::optional<double> fahrenheitMin;
    std::optional<double> fahrenheitMax;
    std::array<std::optional<double>, 3> factor; // indexed by TempRating
};

struct TempCorrectionTable {
    std::vector<TempCorrectionRow> rows; // in table order, coldest first
};

// One row of Table 310.15(C)(1): conductor counts min..max (no max on the last row) and the
// percentage of the table ampacity they may carry.
struct AdjustmentRow {
    double minimum = 0;
    std::optional<double> maximum;
    double percent = 0;
};

struct AdjustmentTable {
    std::vector<AdjustmentRow> rows;
};

// A 240.4(D) small-conductor limit: the largest overcurrent device for the size and metal.
struct SmallConductorLimit {
    ConductorSize size;
    Metal metal = Metal::Copper;
    double amperes = 0;
};

struct SmallConductorLimits {
    std::vector<SmallConductorLimit> limits;

    std::optional<double> limit(const ConductorSize& size, Metal metal) const;
};

// The metal a 240.4(D) row applies to, from the table's metal key: "copper" is copper and
// "aluminum_or_copper_clad_aluminum" is aluminum. Other keys (copper-clad aluminum alone) are
// no metal this calculation offers.
std::optional<Metal> smallConductorMetal(const QString& key);

// Everything the ampacity calculation reads.
struct ConductorAmpacityTables {
    AmpacityTable ampacity;           // Table 310.16
    TempCorrectionTable correction;   // Table 310.15(B)(1)(1)
    AdjustmentTable adjustment;       // Table 310.15(C)(1)
    SmallConductorLimits smallLimits; // 240.4(D)
    StandardRatings standardRatings;  // Table 240.6(A)
};

} // namespace Nec
