#include "nec/AmpacityTables.h"

namespace Nec {

std::optional<double> SmallConductorLimits::limit(const ConductorSize& size, Metal metal) const {
    for (const SmallConductorLimit& l : limits)
        if (l.size == size && l.metal == metal)
            return l.amperes;
    return std::nullopt;
}

std::optional<Metal> smallConductorMetal(const QString& key) {
    if (key == u"copper")
        return Metal::Copper;
    if (key == u"aluminum_or_copper_clad_aluminum")
        return Metal::Aluminum;
    return std::nullopt;
}

} // namespace Nec
