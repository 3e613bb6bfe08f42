#include "electrical/PowerFromCurrent.h"

#include "electrical/SupplyConstants.h"

namespace PowerFromCurrent {

namespace {
Calculated kilo(double product, bool threePhase) {
    return quotient(checked(threePhase ? product * Supply::ThreePhaseFactor : product),
                    Supply::UnitsPerKilo);
}
} // namespace

Calculated kva(double amps, double volts, bool threePhase) {
    return kilo(volts * amps, threePhase);
}

Calculated kw(double amps, double powerFactor, double volts, bool threePhase) {
    return kilo(volts * amps * powerFactor, threePhase);
}

} // namespace PowerFromCurrent
