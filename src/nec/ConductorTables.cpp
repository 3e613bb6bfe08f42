#include "nec/ConductorTables.h"

#include <algorithm>

namespace Nec {

QString metalName(Metal metal) {
    return metal == Metal::Copper ? QStringLiteral("copper") : QStringLiteral("aluminum");
}

QString ratingCaption(TempRating r) {
    switch (r) {
    case TempRating::C60:
        return QStringLiteral("60°C");
    case TempRating::C75:
        return QStringLiteral("75°C");
    case TempRating::C90:
        return QStringLiteral("90°C");
    }
    return {};
}

std::optional<double> AmpacityTable::value(std::size_t row, Metal metal, TempRating rating) const {
    if (row >= rows.size())
        return std::nullopt;
    const auto& cells = metal == Metal::Copper ? rows[row].copper : rows[row].aluminum;
    return cells[static_cast<std::size_t>(rating)];
}

std::optional<std::size_t> AmpacityTable::find(const ConductorSize& size) const {
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const AmpacityRow& r) { return r.size == size; });
    if (it == rows.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - rows.begin());
}

std::optional<double> StandardRatings::atOrAbove(double amperes, bool fuseOnlyAllowed) const {
    for (const StandardRating& r : ratings)
        if ((fuseOnlyAllowed || !r.fuseOnly) && r.amperes >= amperes)
            return r.amperes;
    return std::nullopt;
}

std::optional<double> StandardRatings::atOrBelow(double amperes, bool fuseOnlyAllowed) const {
    std::optional<double> found;
    for (const StandardRating& r : ratings)
        if ((fuseOnlyAllowed || !r.fuseOnly) && r.amperes <= amperes)
            found = r.amperes;
    return found;
}

bool StandardRatings::isRating(double amperes, bool fuseOnlyAllowed) const {
    return std::any_of(ratings.begin(), ratings.end(), [&](const StandardRating& r) {
        return (fuseOnlyAllowed || !r.fuseOnly) && r.amperes == amperes;
    });
}

} // namespace Nec
