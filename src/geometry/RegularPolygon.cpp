#include "geometry/RegularPolygon.h"

namespace RegularPolygon {

Answers<RowCount> areas(double a) {
    const Calculated square = checked(a * a);
    Answers<RowCount> result{{}, square.fault};
    if (!result.ok())
        return result;
    for (int i = 0; i < RowCount; ++i) {
        const Calculated area = checked(square.value * rows[i].factor);
        if (!area.ok())
            return {{}, area.fault};
        result.values[i] = area.value;
    }
    return result;
}

} // namespace RegularPolygon
