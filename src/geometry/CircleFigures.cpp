#include "geometry/CircleFigures.h"

#include <cmath>

#include "geometry/Degrees.h"

namespace CircleFigures {

namespace {
// Sector factors: 0.008727 is pi / 360 rounded (area per square unit of radius and degree);
// the arc takes twice that, pi / 180 per unit of radius and degree.
constexpr double SectorAreaFactor = 0.008727;
constexpr double ArcLengthFactor = 2 * SectorAreaFactor;
} // namespace

Answers<4> circle(CircleGiven given, double value) {
    const double pi = CirclePi;
    switch (given) {
    case CircleGiven::Radius: {
        const double r = value, d = r * 2;
        return answers(r, d, d * pi, r * r * pi);
    }
    case CircleGiven::Diameter: {
        const double d = value, r = d / 2;
        return answers(r, d, d * pi, r * r * pi);
    }
    case CircleGiven::Circumference: {
        const double c = value, d = c / pi, r = d / 2;
        return answers(r, d, c, r * r * pi);
    }
    case CircleGiven::Area: {
        const Calculated r = squareRoot(value / pi);
        const double d = r.value * 2;
        return answers(r, d, d * pi, value);
    }
    }
    return answers(0.0, 0.0, 0.0, 0.0);
}

Answers<4> sector(double r, double theta) {
    return answers(r, theta, r * theta * ArcLengthFactor, r * r * (theta * SectorAreaFactor));
}

Answers<3> segment(double r, double theta) {
    // The sine is taken of the angle folded below 90 degrees, which with the rounded constant
    // is not quite the sine of the angle itself; the published results depend on that.
    const double s =
        theta > 90 ? std::sin(degreesToRadians(180 - theta)) : std::sin(degreesToRadians(theta));
    return answers(r, theta, r * r / 2 * (degreesToRadians(theta) - s));
}

Answers<4> hollowSector(double r1, double r2, double theta) {
    return answers(r1, r2, theta, (r1 * r1 - r2 * r2) * (theta * RoundedPi) / 360);
}

Answers<4> ellipse(double a, double b) {
    const Calculated root = squareRoot(b * a);
    const Calculated perimeter =
        root.ok() ? checked(((b + a) * 1.5 - root.value) * RoundedPi) : root;
    return answers(a, b, a * RoundedPi * b, perimeter);
}

} // namespace CircleFigures
