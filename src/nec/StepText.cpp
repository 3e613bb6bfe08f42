#include "nec/StepText.h"

#include <algorithm>
#include <cmath>

#include "common/DisplayMask.h"

namespace Nec::StepText {

QString plain(double value, QStringView mask) {
    QString text = formatMask(value, mask);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString amperes(double value, QStringView mask) {
    return formatMask(value, mask) + QStringLiteral(" A");
}

QString percent(double value) {
    return formatMask(value, u"#0") + QStringLiteral(" %");
}

QString conductorName(const ConductorSize& size, Metal metal) {
    return size.caption() + u' ' + metalName(metal);
}

bool positive(double value) {
    return std::isfinite(value) && value > 0;
}

double settle(double value) {
    const double settled = std::round(value * 1e6) / 1e6;
    return std::isfinite(settled) ? settled : value;
}

double slack(double reference) {
    return 1e-9 * std::max(1.0, std::fabs(reference));
}

bool atLeast(double value, double limit) {
    return value >= limit - slack(limit);
}

} // namespace Nec::StepText
