#include "database/KeyComparison.h"

#include <QLocale>
#include <QRegularExpression>
#include <optional>

namespace {

// Only a plain decimal counts as a number, so texts such as "inf", "1e3" or "0x1" are keys
// compared as text, never silently as numbers.
std::optional<double> plainDecimal(const QString& text) {
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString trimmed = text.trimmed();
    if (!decimal.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

bool referenceKeysEqual(const QString& stored, const QString& wanted) {
    const auto storedNumber = plainDecimal(stored);
    const auto wantedNumber = plainDecimal(wanted);
    if (storedNumber && wantedNumber)
        return *storedNumber == *wantedNumber;
    return stored == wanted;
}
