#pragma once

#include <QString>
#include <QtGlobal>
#include <variant>

#include "nec/ConductorTables.h"

// Counts entered on the fill sheets (conductors, devices, grounding conductors).
namespace Nec {

// The largest count taken. It lies far beyond what any raceway or box holds and keeps the exact
// integer arithmetic of the fill calculations in range.
inline constexpr qint64 maxFillCount = 1'000'000'000;

// `value` as a whole count, or the refusal naming `what` ("Group 2", "12 AWG", "Devices"):
// a negative, fractional or non-finite value is not a count, nor one above maxFillCount.
std::variant<qint64, Refusal> fillCount(double value, const QString& what);

} // namespace Nec
