#pragma once

#include "common/Calculated.h"

// A motor's efficiency or power factor from its shaft horsepower, line current and supply
// voltage, single- or three-phase. Power factor and efficiency are fractions (0.85 for 85 %).
namespace MotorEfficiency {

// EFF = HP x 746 / (E x I x PF x 1.732), single-phase HP x 746 / (E x I x PF).
Calculated efficiency(double hp, double amps, double powerFactor, double volts, bool threePhase);

// PF = HP x 746 / (E x I x 1.732), single-phase HP x 746 / (E x I).
Calculated powerFactor(double hp, double amps, double volts, bool threePhase);

} // namespace MotorEfficiency
