#include "geometry/RightTriangle.h"

#include <cmath>

#include "geometry/Degrees.h"

namespace RightTriangle {

namespace {

// atan(ratio) in degrees, passing a fault of the ratio on.
Calculated atanDegrees(const Calculated& ratio) {
    return ratio.ok() ? checked(radiansToDegrees(std::atan(ratio.value))) : ratio;
}

// 1 / f(x) x side, refusing f(x) = 0 as a division by zero.
Calculated timesReciprocal(double side, double divisor) {
    return product(quotient(1.0, divisor), side);
}

Answers<QuantityCount> fromLegs(double legA, double legB) {
    const double angleA = radiansToDegrees(std::atan(legA / legB));
    return answers(legA, legB, std::sqrt(legA * legA + legB * legB), angleA, 90 - angleA);
}

Answers<QuantityCount> fromAAndSideA(double sideA, double angleA, double angleB) {
    const double x = degreesToRadians(angleA);
    return answers(sideA, timesReciprocal(sideA, std::tan(x)), timesReciprocal(sideA, std::sin(x)),
                   angleA, angleB);
}

Answers<QuantityCount> fromAAndSideB(double sideB, double angleA, double angleB) {
    const double x = degreesToRadians(angleA);
    return answers(sideB * std::tan(x), sideB, timesReciprocal(sideB, std::cos(x)), angleA, angleB);
}

Answers<QuantityCount> fromAAndHypotenuse(double hyp, double angleA, double angleB) {
    const double x = degreesToRadians(angleA);
    return answers(hyp * std::sin(x), hyp * std::cos(x), hyp, angleA, angleB);
}

} // namespace

int caseFor(const Values& v) {
    for (int i = 0; i < static_cast<int>(cases.size()); ++i)
        if (v[cases[i].first] != 0 && v[cases[i].second] != 0)
            return i;
    return -1;
}

int legNotShorterThanHypotenuse(const Values& v) {
    const int chosen = caseFor(v);
    if (chosen < 0 || cases[chosen].second != c)
        return -1;
    const Quantity leg = cases[chosen].first;
    return std::abs(v[leg]) >= std::abs(v[c]) ? leg : -1;
}

Answers<QuantityCount> solve(const Values& v) {
    switch (caseFor(v)) {
    case 0:
        return fromLegs(v[a], v[b]);
    case 1: { // a, c: b is the other leg; a not shorter than c leaves no triangle
        const Calculated legB = squareRoot((v[c] - v[a]) * (v[c] + v[a]));
        const Calculated angleA = atanDegrees(quotient(v[a], legB.value));
        return answers(v[a], legB, v[c], angleA, 90 - angleA.value);
    }
    case 2:
        return fromAAndSideA(v[a], v[A], 90 - v[A]);
    case 3:
        return fromAAndSideB(v[b], v[A], 90 - v[A]);
    case 4:
        return fromAAndHypotenuse(v[c], v[A], 90 - v[A]);
    case 5: { // b, c
        const Calculated legA = squareRoot((v[c] - v[b]) * (v[c] + v[b]));
        const Calculated angleB = atanDegrees(quotient(v[b], legA.value));
        return answers(legA, v[b], v[c], 90 - angleB.value, angleB);
    }
    case 6:
        return fromAAndSideA(v[a], 90 - v[B], v[B]);
    case 7:
        return fromAAndSideB(v[b], 90 - v[B], v[B]);
    case 8:
        return fromAAndHypotenuse(v[c], 90 - v[B], v[B]);
    default:
        return answers(0.0, 0.0, 0.0, 0.0, 0.0);
    }
}

} // namespace RightTriangle
