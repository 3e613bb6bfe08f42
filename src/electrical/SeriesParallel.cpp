#include "electrical/SeriesParallel.h"

#include "common/Conversions.h"

namespace SeriesParallel {

namespace {
QString term(QChar letter, int index) {
    return letter + QString::number(index + 1);
}
} // namespace

NetworkTotal directSum(std::span<const QString> entries, QChar letter) {
    NetworkTotal result;
    double total = 0.0;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const QString& text = entries[i];
        total += leadingNumber(text);
        if (text.isEmpty())
            continue;
        result.formula +=
            (result.formula.isEmpty() ? QString() : QStringLiteral(" + ")) + term(letter, i);
    }
    result.total = checked(total);
    return result;
}

NetworkTotal reciprocalSum(std::span<const QString> entries, QChar letter) {
    NetworkTotal result;
    Calculated sum;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const QString& text = entries[i];
        if (text.isEmpty())
            continue;
        if (toNumberStrict(text).value_or(1.0) == 0.0) {
            result.zeroEntries.append(i);
            continue;
        }
        // A pasted "-5" is not zero strictly but leads with no number, so its reciprocal is
        // refused as a division by zero rather than read as infinity.
        const Calculated reciprocal = quotient(1.0, leadingNumber(text));
        if (sum.ok())
            sum = reciprocal.ok() ? checked(sum.value + reciprocal.value) : reciprocal;
        result.formula +=
            (result.formula.isEmpty() ? QStringLiteral("1/(1/") : QStringLiteral(" + 1/")) +
            term(letter, i);
    }
    if (!result.formula.isEmpty())
        result.formula += u')';
    if (!sum.ok())
        result.total = sum;
    else
        result.total = sum.value == 0.0 ? Calculated{} : quotient(1.0, sum.value);
    return result;
}

} // namespace SeriesParallel
