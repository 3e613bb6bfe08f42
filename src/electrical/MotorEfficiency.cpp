#include "electrical/MotorEfficiency.h"

#include "electrical/SupplyConstants.h"

namespace MotorEfficiency {

namespace {
Calculated shaftOver(double hp, double divisor, bool threePhase) {
    return quotient(checked(hp * Supply::WattsPerHorsepower),
                    threePhase ? divisor * Supply::ThreePhaseFactor : divisor);
}
} // namespace

Calculated efficiency(double hp, double amps, double powerFactor, double volts, bool threePhase) {
    return shaftOver(hp, volts * amps * powerFactor, threePhase);
}

Calculated powerFactor(double hp, double amps, double volts, bool threePhase) {
    return shaftOver(hp, volts * amps, threePhase);
}

} // namespace MotorEfficiency
