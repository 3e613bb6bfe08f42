#pragma once

// The geometry sheets turn degrees into radians and back with 3.14, not the full circle
// constant, so an angle shown again is the one entered and the areas match the printed tables.
namespace Degrees {
inline constexpr double HalfTurn = 3.14;

inline double toRadians(double degrees) {
    return degrees * HalfTurn / 180.0;
}

inline double fromRadians(double radians) {
    return radians * 180.0 / HalfTurn;
}
} // namespace Degrees
