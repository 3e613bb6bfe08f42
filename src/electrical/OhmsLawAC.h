#pragma once

#include <array>

#include "common/Calculated.h"

// Ohm's law for alternating current: one of V, I, Z, P from two givens, or from two givens and
// the phase angle Theta, by one of twelve formulas.
namespace OhmsLawAC {

struct Formula {
    const char* caption;                 // the option caption, e.g. "I= V / Z"
    std::array<const char*, 3> givens;   // captions above the entry boxes; null: box not used
    std::array<const char*, 4> headings; // column headings left to right; null: column hidden
};

inline constexpr int FormulaCount = 12;
// The entry box that holds Theta in every formula that uses it.
inline constexpr int AngleBox = 2;

// The formula at `index` (0 to FormulaCount - 1).
const Formula& formula(int index);

// True when the formula takes the phase angle as its third given.
bool usesAngle(int index);

// True when the formula divides by its second given, which must therefore not be 0.
bool dividesBySecondGiven(int index);

// True for an angle that equals one of the check values 90, 270, 450 ... 9990 exactly (the
// angles whose cosine is taken to be 0). Others, negatives and 10000 or more included, pass.
bool isRefusedAngle(double theta);

// The power factor |cos(Theta)| with degrees turned into radians by 3.14 / 180.
double powerFactor(double theta);

// The result of formula `index` for the givens a and b and the power factor `cosine` (ignored
// by the formulas without an angle).
Calculated evaluate(int index, double a, double b, double cosine);

} // namespace OhmsLawAC
