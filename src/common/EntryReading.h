#pragma once

#include <QString>
#include <optional>

#include "common/Calculated.h"

class QLineEdit;

// The one rule for failures a calculator does not test for itself: an entry that does not
// convert, or a result that is not a finite number, is told to the user in the error box and the
// calculation stops without writing a result.

// The strictly converted number in `box`, or nothing after telling the user why it is not one.
// `boxName` is how the box is known on screen ("V" for the box captioned "V =").
std::optional<double> readNumber(const QLineEdit* box, const QString& boxName);

// True when the result can be shown; otherwise tells the user what went wrong.
bool acceptResult(const Calculated& result);

// "V =" -> "V": a caption label's text as the name of its entry box.
QString boxNameFromCaption(const QString& caption);
