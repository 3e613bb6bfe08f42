#pragma once

#include <array>

#include "common/DisplayMask.h"
#include "geometry/Answers.h"

// A right triangle (right angle C) from two of its sides a, b, c and acute angles A, B in
// degrees; a is opposite A, b opposite B, c the hypotenuse.
namespace RightTriangle {

enum Quantity { a, b, c, A, B, QuantityCount };
using Values = std::array<double, QuantityCount>;

struct Case {
    Quantity first, second;
};

// The pairs of givens that decide how the triangle is solved, in the order they are tried. Only
// A and B together is no case: the angles fix the shape but not the size.
inline constexpr std::array<Case, 9> cases{
    {{a, b}, {a, c}, {a, A}, {b, A}, {c, A}, {b, c}, {a, B}, {b, B}, {c, B}}};

// The index in `cases` of the first pair whose two values are both given (not 0), or -1.
int caseFor(const Values& values);

// The leg (a or b) that the chosen case pairs with the hypotenuse c when that leg is not
// shorter than c, so there is no such triangle; -1 when the givens fit.
int legNotShorterThanHypotenuse(const Values& values);

// All five quantities. The givens are kept as entered; with no case every value is 0. A side a
// or b not shorter than c is refused as the fault it leads to.
Answers<QuantityCount> solve(const Values& values);

inline constexpr QStringView mask = Mask::OneToTwoDecimals;

} // namespace RightTriangle
