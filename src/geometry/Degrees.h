#pragma once

// Angles are typed and shown in degrees. The figure, section, ellipse and right-triangle
// calculators convert them with the rounded circle constant 3.14 rather than the full one, so
// their answers match the published tables those sheets reproduce.
inline constexpr double RoundedPi = 3.14;

inline double degreesToRadians(double degrees) {
    return degrees * RoundedPi / 180.0;
}

inline double radiansToDegrees(double radians) {
    return radians * 180.0 / RoundedPi;
}
