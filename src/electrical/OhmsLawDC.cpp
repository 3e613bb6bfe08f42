#include "electrical/OhmsLawDC.h"

namespace OhmsLawDC {

namespace {
constexpr const char* V = "V(Volts)";
constexpr const char* R = "R(ohms)";
constexpr const char* I = "I(Amps)";
constexpr const char* P = "P(Watts)";

constexpr std::array<Formula, FormulaCount> formulas{{
    {"I= V / R", {"V =", "R ="}, {V, R, I}},
    {"I= P / V", {"P =", "V ="}, {P, V, I}},
    {"I= Sqr( P / R )", {"P =", "R ="}, {P, R, I}},
    {"V= I x R", {"I =", "R ="}, {I, R, V}},
    {"V= P / I", {"P =", "I ="}, {P, I, V}},
    {"V= Sqr( P  *  R )", {"P =", "R ="}, {P, R, V}},
    {"P= (I^2) x R", {"I =", "R ="}, {I, R, P}},
    {"P= V x I", {"V =", "I ="}, {V, I, P}},
    {"P= (V^2) / R", {"V =", "R ="}, {V, R, P}},
    {"R= V / I", {"V =", "I ="}, {V, I, R}},
    {"R= P / (I^2)", {"P =", "I ="}, {P, I, R}},
}};
} // namespace

const Formula& formula(int index) {
    return formulas.at(static_cast<std::size_t>(index));
}

Calculated evaluate(int index, double a, double b) {
    switch (index) {
    case 0: // I = V / R
    case 1: // I = P / V
    case 4: // V = P / I
    case 9: // R = V / I
        return quotient(a, b);
    case 2: // I = sqrt(P / R)
        return squareRoot(quotient(a, b));
    case 3: // V = I x R
    case 7: // P = V x I
        return checked(a * b);
    case 5: // V = sqrt(P x R)
        return squareRoot(checked(a * b));
    case 6: // P = I^2 x R
        return product(checked(a * a), b);
    case 8: // P = V^2 / R
        return quotient(checked(a * a), b);
    case 10: // R = P / I^2, divided in two steps so a tiny I overflows instead of reading as zero
        return quotient(quotient(a, b), b);
    default:
        return {0.0, ArithmeticFault::NotReal};
    }
}

} // namespace OhmsLawDC
