#include "electrical/OhmsLawAC.h"

#include <cmath>

namespace OhmsLawAC {

namespace {
constexpr std::array<Formula, FormulaCount> formulas{{
    {"I= V / Z", {"V =", "Z =", nullptr}, {nullptr, "V(Volts)", "Z(ohms)", "I(Amps)"}},
    {"I= Sqr (( P)  / (Z cos(Theta))) ",
     {"P =", "Z =", "Theta ="},
     {"P(Watts)", "Z(ohms)", "Theta", "I(Amps)"}},
    {"I= P / (V cos(Theta))",
     {"P =", "V =", "Theta ="},
     {"P(Watts)", "V(Volts)", "Theta", "I(Amps)"}},
    {"V= I x Z", {"I =", "Z =", nullptr}, {nullptr, "I(Amps)", "Z(ohms)", "V(Volts)"}},
    {"V= P / (I cos(Theta))",
     {"P =", "I =", "Theta ="},
     {"P(Watts)", "I(Amps)", "Theta", "V(Volts)"}},
    {"V= Sqr( (P  *  Z ) / (cos(Theta)))",
     {"P =", "Z =", "Theta ="},
     {"P(Watts)", "Z(ohms)", "Theta", "V(Volts)"}},
    {"Z= V / I", {"V =", "I =", nullptr}, {nullptr, "V(Volts)", "I(Amps)", "Z(ohms)"}},
    {"Z= P / (I^2 x cos(Theta))",
     {"P =", "I =", "Theta ="},
     {"P(Watts)", "I(Amps)", "Theta", "Z(ohms)"}},
    {"Z= (V^2 x cos(Theta))/ P",
     {"V =", "P =", "Theta ="},
     {"V(Volts)", "P(Watts)", "Theta", "Z(ohms)"}},
    {"P= I^2 x Zcos(Theta)",
     {"I =", "Z =", "Theta ="},
     {"I(Amps)", "Z(ohms)", "Theta", "P(Watts)"}},
    {"P= I x Vcos(Theta)", {"I =", "V =", "Theta ="}, {"I(Amps)", "V(Volts)", "Theta", "P(Watts)"}},
    {"P= ((V^2)cos(Theta))/ Z",
     {"V =", "Z =", "Theta ="},
     {"V(Volts)", "Z(ohms)", "Theta", "P(Watts)"}},
}};

constexpr double Pi = 3.14; // the circle constant the angle conversion is made with
constexpr double FirstCheckAngle = 90;
constexpr double CheckAngleStep = 180;
constexpr double CheckAngleLimit = 10000;

Calculated squared(double x) {
    return checked(std::pow(x, 2));
}
} // namespace

const Formula& formula(int index) {
    return formulas.at(static_cast<std::size_t>(index));
}

bool usesAngle(int index) {
    return formula(index).givens[AngleBox] != nullptr;
}

bool dividesBySecondGiven(int index) {
    switch (index) {
    case 0:  // I = V / Z
    case 1:  // I = sqrt(P / (cos Z))
    case 2:  // I = P / (cos V)
    case 4:  // V = P / (cos I)
    case 6:  // Z = V / I
    case 7:  // Z = P / (I^2 cos)
    case 8:  // Z = V^2 cos / P
    case 11: // P = V^2 cos / Z
        return true;
    default:
        return false;
    }
}

bool isRefusedAngle(double theta) {
    if (theta == 0)
        return false;
    for (double b = FirstCheckAngle; b < CheckAngleLimit; b += CheckAngleStep) {
        if (b / theta == 1)
            return true;
    }
    return false;
}

double powerFactor(double theta) {
    return std::abs(std::cos(Pi * theta / 180));
}

Calculated evaluate(int index, double a, double b, double cosine) {
    switch (index) {
    case 0: // I = V / Z
    case 6: // Z = V / I
        return quotient(a, b);
    case 1: // I = sqrt(P / (cos x Z))
        return squareRoot(quotient(a, cosine * b));
    case 2: // I = P / (cos x V)
    case 4: // V = P / (cos x I)
        return quotient(a, cosine * b);
    case 3: // V = I x Z
        return checked(a * b);
    case 5: // V = sqrt(P x Z / cos)
        return squareRoot(quotient(checked(a * b), cosine));
    case 7: { // Z = P / (I^2 x cos)
        const Calculated divisor = product(squared(b), cosine);
        return divisor.ok() ? quotient(a, divisor.value) : Calculated{0.0, divisor.fault};
    }
    case 8:  // Z = V^2 x cos / P
    case 11: // P = V^2 x cos / Z
        return quotient(product(squared(a), cosine), b);
    case 9: // P = I^2 x Z x cos
        return product(product(squared(a), b), cosine);
    case 10: // P = V x I x cos
        return product(checked(b * a), cosine);
    default:
        return {0.0, ArithmeticFault::NotReal};
    }
}

} // namespace OhmsLawAC
