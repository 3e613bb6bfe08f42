#pragma once

#include <QString>
#include <QStringView>

// The display masks the result labels use.
namespace Mask {
inline constexpr QStringView TwoToThreeDecimals = u"#.00#";
inline constexpr QStringView TwoToThreeDecimalsLeadingZero = u"#0.00#";
inline constexpr QStringView OneToTwoDecimals = u"#.0#";
inline constexpr QStringView Volts = u"#.0# (V)";
inline constexpr QStringView Amperes = u"#.0# (A)";
inline constexpr QStringView Percent = u"#.0# (%)";
} // namespace Mask

// Formats a value through a numeric format picture: "#" a digit shown only when significant,
// "0" a digit always shown, "." the decimal point, "%" multiplies by 100 and shows a percent
// sign in its place; any other character is copied as it stands. The value is rounded half away
// from zero on its 15-significant-digit decimal form; a value that rounds to zero shows no minus
// sign. A non-finite value has no rendering and gives the empty text: callers refuse those first.
QString formatMask(double value, QStringView mask);
