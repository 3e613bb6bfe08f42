#pragma once

#include <QString>
#include <optional>
#include <span>

class QLineEdit;

// Reading the entries of the geometry sheets, where an empty box is not an error but asks for
// zeros (each sheet decides what it shows then); anything else typed must be a number.

// True when the box holds no text (blanks count as none).
bool isBlank(const QLineEdit* box);
// True when any of the boxes is blank.
bool anyBlank(std::span<QLineEdit* const> boxes);

// 0 for a blank box, else its number; nothing after telling the user that the text is not one.
// `boxName` is how the box is known on screen.
std::optional<double> readNumberOrZero(const QLineEdit* box, const QString& boxName);
