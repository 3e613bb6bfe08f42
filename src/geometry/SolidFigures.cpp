#include "geometry/SolidFigures.h"

namespace SolidFigures {

namespace {
constexpr double Pi = 3.14;
constexpr double TwoPi = 6.28;
} // namespace

FigureAnswers cube(double a) {
    return {checked(a), checked(a * a * a), checked(a * a * 6.0)};
}

FigureAnswers parallelepiped(double a, double b, double c) {
    return {checked(a), checked(b), checked(c), checked(b * a * c),
            checked((c * b + b * a + c * a) * 2.0)};
}

FigureAnswers rightPrism(double a, double c, double h) {
    const Calculated b = squareRoot(checked(c * c + a * a)); // the hypotenuse
    if (!b.ok())
        return {b};
    return {checked(c * a * h / 2.0), checked(h * c + h * b.value + h * a + c * a)};
}

FigureAnswers rightCylinder(double r, double h) {
    return {checked(r), checked(h), checked(r * r * Pi * h), checked((h + r) * (r * TwoPi))};
}

FigureAnswers cylinderFrustum(double r, double h, double k) {
    const double halfRise = (h - k) / 2.0;
    const Calculated e = squareRoot(checked(halfRise * halfRise + r * r)); // half-axis of the cut
    if (!e.ok())
        return {e};
    return {checked(r), checked(h), checked(k), checked((k + h) * (r * r * Pi) / 2.0),
            checked((e.value + (r + (k + h))) * (r * Pi))};
}

FigureAnswers rightCone(double r, double h) {
    const Calculated k = squareRoot(checked(h * h + r * r));
    if (!k.ok())
        return {k};
    return {checked(r), checked(h), k, checked(r * r * Pi * h / 3.0),
            checked((r + k.value) * (r * Pi))};
}

FigureAnswers rightPyramid(double A, double P, double h, double k) {
    return {checked(h * A / 3.0), checked(P * k / 2.0)};
}

// The volume is the wire's cross-section, Pi r^2, carried round the ring's centre line, 2 Pi R.
FigureAnswers circularRing(double r, double R) {
    return {checked(r), checked(R), checked(2.0 * Pi * Pi * R * r * r),
            checked(Pi * Pi * 4.0 * r * R)};
}

} // namespace SolidFigures
