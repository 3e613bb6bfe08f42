#pragma once

#include <array>

#include "common/DisplayMask.h"
#include "geometry/Answers.h"

// A sphere from any one of its radius, diameter, circumference, surface area or volume.
namespace Sphere {

inline constexpr double SpherePi = 3.14159265358979;
// A sixth of the circle constant, rounded: the volume is D^3 x 0.5236.
inline constexpr double VolumeFactor = 0.5236;

// Which quantity is given, in option order.
enum class Given { Radius, Diameter, Circumference, SurfaceArea, Volume };

// Radius, diameter, circumference, surface area and volume.
Answers<5> solve(Given given, double value);
inline constexpr std::array<QStringView, 5> masks{Mask::TwoToThreeDecimals,
                                                  Mask::TwoToThreeDecimals, Mask::OneToTwoDecimals,
                                                  Mask::OneToTwoDecimals, Mask::OneToTwoDecimals};

} // namespace Sphere
