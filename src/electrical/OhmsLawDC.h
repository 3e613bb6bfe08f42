#pragma once

#include <array>

#include "common/Calculated.h"

// Ohm's law for direct current: one of V, I, R, P from two others, by one of eleven formulas.
namespace OhmsLawDC {

struct Formula {
    const char* caption;                 // the option caption, e.g. "I= V / R"
    std::array<const char*, 2> givens;   // captions above the two entry boxes
    std::array<const char*, 3> headings; // first given, second given, result
};

inline constexpr int FormulaCount = 11;

// The formula at `index` (0 to FormulaCount - 1).
const Formula& formula(int index);

// The result of formula `index` for the first given value a and the second given value b.
// A zero divisor, an overflow or a result that is not real is returned as its fault.
Calculated evaluate(int index, double a, double b);

} // namespace OhmsLawDC
