#include "geometry/PlaneFigures.h"

#include <cmath>

#include "common/Conversions.h"
#include "common/DisplayMask.h"
#include "geometry/Degrees.h"

namespace PlaneFigures {

namespace {
constexpr double Pi = 3.14;
constexpr double QuarterPi = 0.7854;

FigureAnswers refused(const Calculated& fault) {
    return {fault};
}

FigureAnswers rectangleRows(double a, double b, double area) {
    return {checked(a), checked(b), checked(area), checked((b + a) * 2.0),
            squareRoot(checked(b * b + a * a))};
}

// The value as the mask "#.0#" shows it, read back: at most two decimals.
Calculated twoDecimals(const Calculated& value) {
    if (!value.ok())
        return value;
    const auto rounded = toNumberStrict(formatMask(value.value, Mask::OneToTwoDecimals));
    return rounded ? checked(*rounded) : Calculated{0.0, ArithmeticFault::Overflow};
}
} // namespace

FigureAnswers rectangleFromSides(double a, double b) {
    return rectangleRows(a, b, b * a);
}

FigureAnswers rectangleFromSideAAndArea(double a, double area) {
    const Calculated b = quotient(area, a);
    return b.ok() ? rectangleRows(a, b.value, area) : refused(b);
}

FigureAnswers rectangleFromSideBAndArea(double b, double area) {
    const Calculated a = quotient(area, b);
    return a.ok() ? rectangleRows(a.value, b, area) : refused(a);
}

FigureAnswers parallelogramFromSides(double a, double b, double thetaDegrees) {
    const double theta = degreesToRadians(thetaDegrees);
    return {checked(a), checked(b), checked(radiansToDegrees(theta)),
            checked(b * a * std::sin(theta)), checked((b + a) * 2.0)};
}

FigureAnswers parallelogramFromHeight(double a, double h) {
    return {checked(a), checked(h), checked(h * a)};
}

FigureAnswers trapezoid(double a, double b, double h) {
    return {checked(a), checked(b), checked(h), checked((b + a) * h / 2.0)};
}

FigureAnswers quadrilateral(double d1, double d2, double thetaDegrees) {
    const double theta = degreesToRadians(thetaDegrees);
    return {checked(d1), checked(d2), checked(radiansToDegrees(theta)),
            checked(d2 * d1 * std::sin(theta) / 2.0)};
}

FigureAnswers annulusFromRadii(double r1, double r2) {
    return {checked(r1), checked(r2), checked((r2 + r1) * Pi * (r2 - r1))};
}

FigureAnswers annulusFromDiameters(double f, double d) {
    return {checked(f), checked(d), checked((d * d - f * f) * QuarterPi)};
}

FigureAnswers trapezium(double h, double k, double e, double g, double f) {
    const Calculated upper = squareRoot(checked((k - h) * (k - h) + g * g));
    const Calculated right = squareRoot(checked(f * f + k * k));
    const Calculated left = squareRoot(checked(h * h + e * e));
    for (const Calculated& side : {upper, right, left})
        if (!side.ok())
            return refused(side);
    FigureAnswers answers;
    answers[1] = checked(g + e + f + right.value + upper.value + left.value);
    answers[2] = checked(((h + k) * g + h * e + k * f) / 2.0);
    return answers;
}

FigureAnswers equilateralTriangle(double a) {
    return {twoDecimals(checked(a)), checked(a * 0.866), twoDecimals(checked(a * a * 0.433))};
}

} // namespace PlaneFigures
