#include "common/Calculated.h"

#include <cmath>

Calculated checked(double value) {
    if (std::isnan(value))
        return {0.0, ArithmeticFault::NotReal};
    if (std::isinf(value))
        return {0.0, ArithmeticFault::Overflow};
    return {value, ArithmeticFault::None};
}

Calculated product(const Calculated& a, double b) {
    return a.ok() ? checked(a.value * b) : a;
}

Calculated quotient(double a, double b) {
    if (b == 0.0)
        return {0.0, ArithmeticFault::DivisionByZero};
    return checked(a / b);
}

Calculated quotient(const Calculated& a, double b) {
    return a.ok() ? quotient(a.value, b) : a;
}

Calculated squareRoot(double radicand) {
    if (radicand < 0.0)
        return {0.0, ArithmeticFault::NotReal};
    return checked(std::sqrt(radicand));
}

Calculated squareRoot(const Calculated& radicand) {
    return radicand.ok() ? squareRoot(radicand.value) : radicand;
}
