#include "ConduitFill.h"

#include <cmath>

namespace refgen {

namespace {

// The slack keeps a quotient that is a whole number (or exactly .8 over) in decimal from
// falling just short of it in binary.
constexpr double slack = 1e-12;

int wholeConductors(double quotient) {
    const double whole = std::floor(quotient + slack);
    return int(quotient - whole >= 0.8 - slack ? whole + 1 : whole);
}

} // namespace

int conductorsThatFit(double conduitArea, double conductorArea) {
    const int many = wholeConductors(0.40 * conduitArea / conductorArea);
    if (many >= 3)
        return many;
    if (wholeConductors(0.31 * conduitArea / conductorArea) >= 2)
        return 2;
    return wholeConductors(0.53 * conduitArea / conductorArea) >= 1 ? 1 : 0;
}

} // namespace refgen
