#pragma once

#include <QString>
#include <optional>

namespace refgen {

// Frame dimensions are written the way motor catalogues print them: a whole number, a fraction
// or both ("3", "27/32", "2 5/8"). Returns nothing for any other text.
std::optional<double> parseInchFraction(const QString& text);

// The same notation for a length that is a whole number of 1/64 inch, reduced ("3 3/16",
// "4 1/2", "9"); nothing for a negative length or one finer than 1/64 inch.
std::optional<QString> formatInchFraction(double inches);

} // namespace refgen
