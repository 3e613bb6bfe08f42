#pragma once

namespace refgen {

// How many conductors of one cross-section fit in a conduit: at most 40 % of the conduit's area
// filled for more than two conductors, 31 % for two, 53 % for one. In each quotient a decimal of
// 0.8 or more counts as the next whole number, as the published conduit-fill tables apply it.
// Both areas in the same unit (square inches); the conductor area must be positive.
int conductorsThatFit(double conduitArea, double conductorArea);

} // namespace refgen
