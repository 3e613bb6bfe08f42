#include "geometry/Sphere.h"

#include <cmath>

namespace Sphere {

namespace {
double volumeOf(double d) {
    return std::pow(d, 3) * VolumeFactor;
}
} // namespace

Answers<5> solve(Given given, double value) {
    const double pi = SpherePi;
    switch (given) {
    case Given::Radius: {
        const double r = value, d = r * 2, c = d * pi;
        return answers(r, d, c, d * c, volumeOf(d));
    }
    case Given::Diameter: {
        const double d = value, c = d * pi;
        return answers(d / 2, d, c, d * c, volumeOf(d));
    }
    case Given::Circumference: {
        const double c = value, d = c / pi;
        return answers(d / 2, d, c, d * c, volumeOf(d));
    }
    case Given::SurfaceArea: {
        const Calculated d = squareRoot(value / pi);
        return answers(d.value / 2, d, d.value * pi, value, volumeOf(d.value));
    }
    case Given::Volume: {
        // A negative volume has no real cube root here (std::pow gives NaN), as it should.
        const double d = std::pow(value / VolumeFactor, 1.0 / 3), c = d * pi;
        return answers(d / 2, d, c, d * c, value);
    }
    }
    return {};
}

} // namespace Sphere
