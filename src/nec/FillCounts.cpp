#include "nec/FillCounts.h"

#include <cmath>

namespace Nec {

std::variant<qint64, Refusal> fillCount(double value, const QString& what) {
    if (!std::isfinite(value) || value < 0 || value != std::floor(value))
        return Refusal{
            QStringLiteral("The count for %1 must be a whole number of 0 or more.").arg(what)};
    if (value > double(maxFillCount))
        return Refusal{QStringLiteral("The count for %1 is too large: at most %2.")
                           .arg(what)
                           .arg(maxFillCount)};
    return qint64(value);
}

} // namespace Nec
