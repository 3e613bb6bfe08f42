#pragma once

#include "ReferenceTable.h"

#include <array>

namespace refgen {

struct CsvFile;

// The motor speeds of the torque table, one field RPM<speed> each, in field order.
inline constexpr std::array<int, 18> torqueSpeeds{
    3450, 2000, 1725, 1550, 1140, 1050, 1000, 850, 750, 600, 500, 230, 190, 155, 125, 100, 84, 68};

// Shaft torque in pound-inches, hp x 63025 / rpm, rounded half up to a whole pound-inch.
long long torquePoundInches(double horsepower, int rpm);

// The HPvTorque table: the HP column of `horsepower` in its order, and the torque at each speed.
ReferenceTable torqueTable(const CsvFile& horsepower);

} // namespace refgen
