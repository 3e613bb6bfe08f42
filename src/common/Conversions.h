#pragma once

#include <QString>
#include <optional>

// The strict conversion used by every calculator: the whole text, less surrounding blanks, must be
// one decimal number with "." as the separator (an optional sign and exponent are accepted, as a
// pasted value may carry them). Empty text, a lone ".", "1.2.3", letters, thousands separators,
// "inf"/"nan" and values beyond the range of a double are refused.
std::optional<double> toNumberStrict(const QString& text);

// The lenient value of the number at the start of the text: its digits and first decimal point,
// "." as the separator; whatever follows is ignored. Text that does not start with a digit or a
// point gives 0 ("1.2.3" gives 1.2, "." gives 0). A run of digits too long for a double gives
// infinity, which the caller's result check refuses.
double leadingNumber(const QString& text);
