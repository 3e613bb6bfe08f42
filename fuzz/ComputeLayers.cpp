#include "ComputeLayers.h"

#include <array>

#include "electrical/OhmsLawDC.h"

namespace {

constexpr std::array layers{
    ComputeLayer{"OhmsLawDC", OhmsLawDC::FormulaCount, 2,
                 [](int formula, std::span<const double> x, std::vector<Calculated>& out) {
                     out.push_back(OhmsLawDC::evaluate(formula, x[0], x[1]));
                 }},
};

} // namespace

std::span<const ComputeLayer> computeLayers() {
    return layers;
}
