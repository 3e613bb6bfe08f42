#include "common/DisplayMask.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Picture {
    QString prefix; // literal text before the number field
    QString suffix; // literal text after it
    int minIntegerDigits = 0;
    int minFractionDigits = 0;
    int maxFractionDigits = 0;
    bool hasPoint = false;
    bool percent = false;
};

bool isPlaceholder(QChar c) {
    return c == u'#' || c == u'0' || c == u'.';
}

Picture parse(QStringView mask) {
    Picture p;
    qsizetype i = 0;
    for (; i < mask.size() && !isPlaceholder(mask[i]); ++i)
        p.prefix += mask[i];
    for (; i < mask.size() && isPlaceholder(mask[i]); ++i) {
        const QChar c = mask[i];
        if (c == u'.') {
            p.hasPoint = true;
        } else if (p.hasPoint) {
            ++p.maxFractionDigits;
            if (c == u'0')
                p.minFractionDigits = p.maxFractionDigits;
        } else if (c == u'0') {
            ++p.minIntegerDigits;
        }
    }
    for (; i < mask.size(); ++i)
        p.suffix += mask[i];
    p.percent = p.prefix.contains(u'%') || p.suffix.contains(u'%');
    return p;
}

// The magnitude as decimal digits split at the point, from its 15-significant-digit form.
struct Decimal {
    std::string integer;
    std::string fraction;
};

Decimal toDecimal(double magnitude, int extraExponent) {
    constexpr int significant = 15;
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, magnitude);
    // buffer: d.dddddddddddddde[+-]xx
    std::string digits;
    digits += buffer[0];
    digits.append(buffer + 2, significant - 1);
    const int exponent = std::atoi(buffer + significant + 2) + extraExponent;

    Decimal d;
    const int pointAt = exponent + 1; // digits before the point
    if (magnitude == 0.0) {
        d.integer = "0";
    } else if (pointAt <= 0) {
        d.integer = "0";
        d.fraction = std::string(-pointAt, '0') + digits;
    } else if (pointAt >= significant) {
        d.integer = digits + std::string(pointAt - significant, '0');
    } else {
        d.integer = digits.substr(0, pointAt);
        d.fraction = digits.substr(pointAt);
    }
    return d;
}

// Rounds half away from zero (the digits are a magnitude, so "up" is away from zero).
void roundTo(Decimal& d, int places) {
    if (static_cast<int>(d.fraction.size()) <= places)
        return;
    const bool up = d.fraction[places] >= '5';
    d.fraction.resize(places);
    if (!up)
        return;
    for (int i = places - 1; i >= 0; --i) {
        if (d.fraction[i] != '9') {
            ++d.fraction[i];
            return;
        }
        d.fraction[i] = '0';
    }
    for (int i = static_cast<int>(d.integer.size()) - 1; i >= 0; --i) {
        if (d.integer[i] != '9') {
            ++d.integer[i];
            return;
        }
        d.integer[i] = '0';
    }
    d.integer.insert(d.integer.begin(), '1');
}

} // namespace

QString formatMask(double value, QStringView mask) {
    if (!std::isfinite(value))
        return {};
    const Picture picture = parse(mask);

    Decimal d = toDecimal(std::fabs(value), picture.percent ? 2 : 0);
    roundTo(d, picture.maxFractionDigits);
    d.fraction.resize(picture.maxFractionDigits, '0');
    while (static_cast<int>(d.fraction.size()) > picture.minFractionDigits &&
           d.fraction.back() == '0')
        d.fraction.pop_back();

    const auto firstSignificant = d.integer.find_first_not_of('0');
    std::string integer =
        firstSignificant == std::string::npos ? std::string() : d.integer.substr(firstSignificant);
    const bool isZero = integer.empty() && d.fraction.find_first_not_of('0') == std::string::npos;
    if (static_cast<int>(integer.size()) < picture.minIntegerDigits)
        integer.insert(0, picture.minIntegerDigits - integer.size(), '0');

    QString out;
    if (value < 0 && !isZero)
        out += u'-';
    out += picture.prefix;
    out += QString::fromLatin1(integer.data(), static_cast<qsizetype>(integer.size()));
    if (picture.hasPoint)
        out += u'.';
    out += QString::fromLatin1(d.fraction.data(), static_cast<qsizetype>(d.fraction.size()));
    out += picture.suffix;
    return out;
}
