#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <span>

#include "common/Calculated.h"

// Totals of up to twelve components connected in series or in parallel, shared by the resistor,
// capacitor and inductor sheets. Which circuit adds directly and which by reciprocals depends on
// the component, so the rules are named after the arithmetic; `letter` names the terms of the
// formula text ("R", "C" or "L").
namespace SeriesParallel {

inline constexpr int EntryCount = 12;

// One component's value as read from its box, or nothing when the box is empty.
using Entry = std::optional<double>;

struct NetworkTotal {
    Calculated total;
    // The terms of the non-empty entries, e.g. "R1 + R2 + R5" or "1/(1/C1 + 1/C3)".
    QString formula;
    // Reciprocal sum only: the non-empty entries whose value is 0. They are left out of the total
    // and the formula; the sheet empties and reports each one.
    QList<int> zeroEntries;
};

// The sum of the entries, an empty entry counting 0.
NetworkTotal directSum(std::span<const Entry> entries, QChar letter);

// 1 over the sum of the reciprocals of the non-empty, non-zero entries; 0 when no entry counts.
// Terms whose reciprocals cancel out leave no total: a division by zero.
NetworkTotal reciprocalSum(std::span<const Entry> entries, QChar letter);

} // namespace SeriesParallel
