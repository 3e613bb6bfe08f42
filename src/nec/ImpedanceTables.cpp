#include "nec/ImpedanceTables.h"

#include <algorithm>

namespace Nec {

QString racewayName(Raceway raceway) {
    switch (raceway) {
    case Raceway::Pvc:
        return QStringLiteral("PVC conduit");
    case Raceway::Aluminum:
        return QStringLiteral("aluminum conduit");
    case Raceway::Steel:
        return QStringLiteral("steel conduit");
    }
    return {};
}

std::optional<std::size_t> ImpedanceTable::find(const ConductorSize& size) const {
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const ImpedanceRow& r) { return r.size == size; });
    if (it == rows.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - rows.begin());
}

std::optional<double> ImpedanceTable::resistance(std::size_t row, Metal metal,
                                                 Raceway raceway) const {
    if (row >= rows.size())
        return std::nullopt;
    const auto& cells = metal == Metal::Copper ? rows[row].copperR : rows[row].aluminumR;
    return cells[static_cast<std::size_t>(raceway)];
}

std::optional<double> ImpedanceTable::reactance(std::size_t row, Raceway raceway) const {
    if (row >= rows.size())
        return std::nullopt;
    return raceway == Raceway::Steel ? rows[row].reactanceSteel : rows[row].reactancePvcAluminum;
}

std::optional<double> ImpedanceTable::impedanceAt85(std::size_t row, Metal metal,
                                                    Raceway raceway) const {
    if (row >= rows.size())
        return std::nullopt;
    const auto& cells = metal == Metal::Copper ? rows[row].copperZ : rows[row].aluminumZ;
    return cells[static_cast<std::size_t>(raceway)];
}

std::optional<double> DcResistanceTable::resistance(const ConductorSize& size, Metal metal) const {
    for (const DcResistanceRow& r : rows)
        if (r.size == size)
            return metal == Metal::Copper ? r.copper : r.aluminum;
    return std::nullopt;
}

} // namespace Nec
