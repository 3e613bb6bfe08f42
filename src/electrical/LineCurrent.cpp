#include "electrical/LineCurrent.h"

#include "electrical/SupplyConstants.h"

namespace LineCurrent {

namespace {
// The supply part of every divisor, built first so the factors multiply in the written order.
double supply(double volts, bool threePhase) {
    return threePhase ? volts * Supply::ThreePhaseFactor : volts;
}
} // namespace

Calculated fromKVA(double kva, double volts, bool threePhase) {
    return quotient(checked(kva * Supply::UnitsPerKilo), supply(volts, threePhase));
}

Calculated fromKW(double kw, double powerFactor, double volts, bool threePhase) {
    return quotient(checked(kw * Supply::UnitsPerKilo), supply(volts, threePhase) * powerFactor);
}

Calculated fromHP(double hp, double powerFactor, double efficiency, double volts, bool threePhase) {
    return quotient(checked(hp * Supply::WattsPerHorsepower),
                    supply(volts, threePhase) * powerFactor * efficiency);
}

} // namespace LineCurrent
