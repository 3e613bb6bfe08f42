#pragma once

// The outcome of one computation: a finite value, or the arithmetic fault that stopped it.
enum class ArithmeticFault {
    None,
    DivisionByZero,
    Overflow, // the result is too large for a double
    NotReal,  // no real result, such as the square root of a negative value
};

struct Calculated {
    double value = 0.0;
    ArithmeticFault fault = ArithmeticFault::None;

    bool ok() const { return fault == ArithmeticFault::None; }
};

// A finished value: infinity is an overflow, NaN has no real result.
Calculated checked(double value);

// a x b; a faulted factor passes its fault on.
Calculated product(const Calculated& a, double b);

// a / b, refusing a zero divisor.
Calculated quotient(double a, double b);
Calculated quotient(const Calculated& a, double b);

// The square root, refusing a negative radicand.
Calculated squareRoot(double radicand);
Calculated squareRoot(const Calculated& radicand);
