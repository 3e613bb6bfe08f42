#pragma once

// The constants the AC power calculators are written with.
namespace Supply {
inline constexpr double ThreePhaseFactor = 1.732; // the decimal, not the square root of 3
inline constexpr double WattsPerHorsepower = 746;
inline constexpr double UnitsPerKilo = 1000; // VA per KVA, W per KW
} // namespace Supply
