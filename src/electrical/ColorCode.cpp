#include "electrical/ColorCode.h"

namespace ColorCode {

QString CalculateOhms(const QString& a, const QString& b, const QString& c, const QString& d) {
    const QString ohms = QStringLiteral(" ohms");
    if (c == u".K" || c == u".M" || c == u".G")
        return a + u'.' + b + c.back() + ohms + d;
    if (c == u"0.")
        return (a.isEmpty() ? QStringLiteral("0.") : a + u'.') + b + ohms + d;
    if (c == u"0.0")
        return (a.isEmpty() ? QStringLiteral("0.0") : QStringLiteral("0.") + a) + b + ohms + d;
    return a + b + c + ohms + d;
}

} // namespace ColorCode
