#pragma once

#include <array>

#include "common/DisplayMask.h"
#include "geometry/Answers.h"

// The circle, its sections and the ellipse. Angles are in degrees.
namespace CircleFigures {

// The plain circle uses the full circle constant; the sections and the ellipse use 3.14.
inline constexpr double CirclePi = 3.14159265358979;

// Which quantity of the circle is given, in option order.
enum class CircleGiven { Radius, Diameter, Circumference, Area };

// Radius, diameter, circumference and area from the one given quantity.
Answers<4> circle(CircleGiven given, double value);
inline constexpr std::array<QStringView, 4> circleMasks{
    Mask::TwoToThreeDecimals, Mask::TwoToThreeDecimals, Mask::OneToTwoDecimals,
    Mask::OneToTwoDecimals};

// Sector ABC of radius r and angle theta at the centre B: r, theta, the length of the arc AC and
// the area of the sector ABCA.
Answers<4> sector(double r, double theta);
inline constexpr std::array<QStringView, 4> sectorMasks = circleMasks;

// Segment ADC cut off by the chord AC: r, theta and its area.
Answers<3> segment(double r, double theta);
inline constexpr std::array<QStringView, 3> segmentMasks{
    Mask::TwoToThreeDecimals, Mask::TwoToThreeDecimals, Mask::OneToTwoDecimals};

// Ring sector between the outer radius r1 and the inner radius r2: r1, r2, theta and its area
// (negative when r2 is the larger radius).
Answers<4> hollowSector(double r1, double r2, double theta);
inline constexpr std::array<QStringView, 4> hollowSectorMasks = circleMasks;

// Ellipse with the semi-axes a and b: a, b, its area and its approximate perimeter.
Answers<4> ellipse(double a, double b);
inline constexpr std::array<QStringView, 4> ellipseMasks = circleMasks;

} // namespace CircleFigures
