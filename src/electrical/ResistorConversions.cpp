#include "electrical/ResistorConversions.h"

namespace ResistorConversions {

Triple deltaToWye(double ra, double rb, double rc) {
    const double sum = ra + rb + rc;
    return {quotient(checked(ra * rb), sum), quotient(checked(rb * rc), sum),
            quotient(checked(ra * rc), sum)};
}

Triple wyeToDelta(double r1, double r2, double r3) {
    const Calculated products = checked(r1 * r2 + r2 * r3 + r1 * r3);
    return {quotient(products, r2), quotient(products, r3), quotient(products, r1)};
}

} // namespace ResistorConversions
