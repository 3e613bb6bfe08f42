#pragma once

#include <array>

#include "common/Calculated.h"

// The equivalent wye of a delta network of three resistors, and the equivalent delta of a wye.
// Terminal k of the wye resistor Rk is where the delta resistors of its numerator meet.
namespace ResistorConversions {

using Triple = std::array<Calculated, 3>;

// R1 = Ra Rb / S, R2 = Rb Rc / S, R3 = Ra Rc / S with S = Ra + Rb + Rc.
Triple deltaToWye(double ra, double rb, double rc);

// Ra = P / R2, Rb = P / R3, Rc = P / R1 with P = R1 R2 + R2 R3 + R1 R3.
Triple wyeToDelta(double r1, double r2, double r3);

} // namespace ResistorConversions
