#include "common/Messages.h"

namespace {
const QString error = QStringLiteral("Error");
const QString errorBang = QStringLiteral("Error!");
} // namespace

namespace Messages {

Message cantDivideByZero() {
    return {QStringLiteral("Can't Divide by Zero!"), error};
}
Message cantDivideByZeroLower() {
    return {QStringLiteral("Can't Divide by zero!"), error};
}
Message cantDivideByZeroLowerBang() {
    return {QStringLiteral("Can't Divide by zero!"), errorBang};
}

Message givenFieldEmpty(const QString& shortName) {
    return {QStringLiteral("(") + shortName + QStringLiteral(") input box can't be empty!"),
            errorBang};
}

Message cosThetaZero() {
    return {
        QStringLiteral("Can't use an angle that makes cos(Theta) = 0 (i.e.90,270,450 ... etc)!"),
        errorBang};
}

Message entryEmpty(const QString& boxName) {
    return {QStringLiteral("The %1 box is empty.\nType a number into it, then calculate again.")
                .arg(boxName),
            error};
}

Message entryNotANumber(const QString& boxName, const QString& text) {
    return {QStringLiteral("\"%1\" in the %2 box is not a number.\n"
                           "Type digits with at most one decimal point, then calculate again.")
                .arg(text.trimmed(), boxName),
            error};
}

Message arithmeticFault(ArithmeticFault fault) {
    switch (fault) {
    case ArithmeticFault::DivisionByZero:
        return {QStringLiteral("A divisor is zero, so there is no result.\n"
                               "Enter a value other than 0, then calculate again."),
                error};
    case ArithmeticFault::Overflow:
        return {QStringLiteral("The result is too large to calculate.\n"
                               "Check the values entered."),
                error};
    case ArithmeticFault::NotReal:
        return {QStringLiteral("These values have no real result.\nCheck the values entered."),
                error};
    case ArithmeticFault::None:
        break;
    }
    return {};
}

Message legNotShorterThanHypotenuse(const QString& leg) {
    return {QStringLiteral("Side %1 must be shorter than the hypotenuse c, or there is no right "
                           "triangle.\nCorrect the values, then calculate again.")
                .arg(leg),
            error};
}

} // namespace Messages

namespace Messages {

Message referenceLookupFailed(const QString& layerText) {
    return {layerText, error};
}

} // namespace Messages
