#pragma once

#include <QString>

#include "common/Calculated.h"

// A text for the error box with its title.
struct Message {
    QString text;
    QString title;
};

// The messages calculators show when their own checks refuse a calculation. "Zero"/"zero" and
// "Error"/"Error!" are distinct texts and stay as they are.
namespace Messages {
Message cantDivideByZero();          // "Can't Divide by Zero!", "Error"
Message cantDivideByZeroLower();     // "Can't Divide by zero!", "Error"
Message cantDivideByZeroLowerBang(); // "Can't Divide by zero!", "Error!"
Message givenFieldEmpty(const QString& shortName);
Message cosThetaZero();

// The messages of the failures no calculator tests for beforehand: an entry that is not a
// number, or a result that is not a finite number. `boxName` is how the entry box is captioned.
Message entryEmpty(const QString& boxName);
Message entryNotANumber(const QString& boxName, const QString& text);
Message arithmeticFault(ArithmeticFault fault);

// A right triangle whose leg `leg` ("a" or "b") is given not shorter than its hypotenuse.
Message legNotShorterThanHypotenuse(const QString& leg);
} // namespace Messages

namespace Messages {
// A reference look-up that found no value: the database layer's own account of what is missing.
Message referenceLookupFailed(const QString& layerText);
} // namespace Messages
