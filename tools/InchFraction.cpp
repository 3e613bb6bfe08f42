#include "InchFraction.h"

#include <QRegularExpression>
#include <cmath>
#include <numeric>

namespace refgen {

std::optional<double> parseInchFraction(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^(?:(\\d+)|(\\d+)/(\\d+)|(\\d+) (\\d+)/(\\d+))$"));
    const auto match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    if (match.hasCaptured(1))
        return match.captured(1).toDouble();
    const bool mixed = match.hasCaptured(4);
    const double whole = mixed ? match.captured(4).toDouble() : 0.0;
    const double numerator = match.captured(mixed ? 5 : 2).toDouble();
    const double denominator = match.captured(mixed ? 6 : 3).toDouble();
    if (denominator == 0.0)
        return std::nullopt;
    return whole + numerator / denominator;
}

std::optional<QString> formatInchFraction(double inches) {
    constexpr long long steps = 64;
    const double scaled = inches * steps;
    const long long total = std::llround(scaled);
    if (inches < 0.0 || std::abs(scaled - double(total)) > 1e-6)
        return std::nullopt;
    const long long whole = total / steps;
    long long numerator = total % steps;
    if (numerator == 0)
        return QString::number(whole);
    const long long divisor = std::gcd(numerator, steps);
    numerator /= divisor;
    const QString fraction = QStringLiteral("%1/%2").arg(numerator).arg(steps / divisor);
    return whole == 0 ? fraction : QStringLiteral("%1 %2").arg(whole).arg(fraction);
}

} // namespace refgen
