#pragma once

#include "nec/AmpacityTables.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The allowable ampacity of a conductor under its conditions of use, or the smallest conductor
// that carries a load: Table 310.16 corrected for ambient (310.15(B)) and for more than three
// current-carrying conductors (310.15(C)), limited by the terminations (110.14(C)), with the
// largest overcurrent device the conductor may have (240.4, 240.6(A)).
namespace Nec {

enum class TemperatureUnit { Celsius, Fahrenheit };
enum class AmpacityFind { AmpacityOfSize, SizeForLoad };

struct AmpacityInput {
    Metal metal = Metal::Copper;
    TempRating insulation = TempRating::C75;
    TempRating terminations = TempRating::C75;
    double ambient = 30;
    TemperatureUnit ambientUnit = TemperatureUnit::Celsius;
    double conductors = 3; // current-carrying conductors; must be whole, 1 or more
    AmpacityFind find = AmpacityFind::AmpacityOfSize;
    ConductorSize size{QStringLiteral("12"), QStringLiteral("AWG")}; // AmpacityOfSize only
    double load = 0;                                                 // SizeForLoad only
    bool continuous = false;                                         // SizeForLoad only
};

struct AmpacityResult {
    ConductorSize size; // the size given, or the size found
    double tableAmpacity = 0;
    double ambientFactor = 1;
    double adjustmentFactor = 1;
    double correctedAmpacity = 0;
    double terminationLimit = 0;
    double allowableAmpacity = 0;
    // The largest device the size may have; when finding a size, the device chosen for the load.
    double maximumDevice = 0;
    // "correction factors" / "terminations"; when finding a size, the conditions the next smaller
    // size fails ("terminations, overcurrent device") or "smallest size".
    QString governedBy;
    QStringList steps;
};

// Computes the ampacity of the given size, or finds the size for the load, as `input.find` says.
Outcome<AmpacityResult> conductorAmpacity(const AmpacityInput& input,
                                          const ConductorAmpacityTables& tables);

// The Table 310.16 sizes offered for a metal: the rows with a value in all three columns of
// that metal (copper from 14 AWG, aluminum from 12 AWG; 18 and 16 AWG have only a 90°C value).
std::vector<ConductorSize> ampacitySizes(const AmpacityTable& table, Metal metal);

// The standard device for an ampacity: the 240.6(A) rating itself, else the next higher rating
// up to 800 A (240.4(B)), else above 800 A the next lower rating (240.4(C)). Ratings only fuses
// take (1, 3, 6, 601 A) are left out, so the answer suits a fuse or a circuit breaker. Writes
// its step line to `step`.
std::optional<double> standardDeviceFor(double ampacity, const StandardRatings& ratings,
                                        QString* step = nullptr);

} // namespace Nec
