#include "nec/BoxTables.h"

namespace Nec {

std::optional<std::size_t> BoxAllowanceTable::find(const ConductorSize& size) const {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].size == size)
            return i;
    return std::nullopt;
}

QStringList MetalBoxTable::types() const {
    QStringList names;
    for (const MetalBox& box : boxes)
        if (!names.contains(box.type))
            names << box.type;
    return names;
}

} // namespace Nec
