#pragma once

#include <array>

#include "common/DisplayMask.h"
#include "geometry/Answers.h"

// The areas of the regular polygons with 3 to 12 sides for one side length a.
namespace RegularPolygon {

struct Row {
    const char* name;
    int sides;
    double factor;  // area per square of the side, as tabled
    int sidesLabel; // element of the sheet's lblResult array that shows `sides`
};

inline constexpr int RowCount = 10;

// Row i is shown in row i of the sheet; its name is lblResult element i, its area lblAnswer
// element i. The side counts sit in elements 10 to 19 in the order the sheet was laid out.
inline constexpr std::array<Row, RowCount> rows{{
    {"Eq. Triangle", 3, 0.433, 14},
    {"Square", 4, 1, 13},
    {"Pentagon", 5, 1.7205, 12},
    {"Hexagon", 6, 2.5981, 11},
    {"Heptagon", 7, 3.6339, 10},
    {"Octagon", 8, 4.8284, 15},
    {"Nonagon", 9, 6.1818, 16},
    {"Decagon", 10, 7.6942, 17},
    {"Undecagon", 11, 9.3656, 18},
    {"Dodecagon", 12, 11.1961, 19},
}};

inline constexpr QStringView AreaMask = Mask::TwoToThreeDecimals;

// The area of every row for the side a, in row order.
Answers<RowCount> areas(double a);

} // namespace RegularPolygon
