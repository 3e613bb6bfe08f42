#pragma once

#include "common/Calculated.h"

// The line current an AC load draws at the supply voltage `volts`, single- or three-phase.
// Power factor and efficiency are fractions (0.85 for 85 %).
namespace LineCurrent {

// I = KVA x 1000 / (E x 1.732), single-phase I = KVA x 1000 / E.
Calculated fromKVA(double kva, double volts, bool threePhase);

// I = KW x 1000 / (E x 1.732 x PF), single-phase I = KW x 1000 / (E x PF).
Calculated fromKW(double kw, double powerFactor, double volts, bool threePhase);

// I = HP x 746 / (E x 1.732 x PF x EF), single-phase I = HP x 746 / (E x PF x EF).
Calculated fromHP(double hp, double powerFactor, double efficiency, double volts, bool threePhase);

} // namespace LineCurrent
