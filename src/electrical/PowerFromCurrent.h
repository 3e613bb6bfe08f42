#pragma once

#include "common/Calculated.h"

// The apparent and real power of an AC load from its line current and supply voltage, single-
// or three-phase. The power factor is a fraction (0.85 for 85 %).
namespace PowerFromCurrent {

// KVA = E x I x 1.732 / 1000, single-phase E x I / 1000.
Calculated kva(double amps, double volts, bool threePhase);

// KW = E x I x PF x 1.732 / 1000, single-phase E x I x PF / 1000.
Calculated kw(double amps, double powerFactor, double volts, bool threePhase);

} // namespace PowerFromCurrent
