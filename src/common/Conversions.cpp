#include "common/Conversions.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

std::optional<double> toNumberStrict(const QString& text) {
    static const QRegularExpression decimal(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    const QString trimmed = text.trimmed();
    if (!decimal.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double leadingNumber(const QString& text) {
    qsizetype end = 0;
    bool seenPoint = false;
    for (; end < text.size(); ++end) {
        const QChar c = text.at(end);
        if (c == u'.' && !seenPoint)
            seenPoint = true;
        else if (!(c >= u'0' && c <= u'9'))
            break;
    }
    const QString number = text.left(end);
    if (number.isEmpty() || number == QStringLiteral("."))
        return 0.0;
    // "5." and ".5" are both well-formed for the C locale; an overlong run becomes infinity.
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    return ok ? value : HUGE_VAL;
}
