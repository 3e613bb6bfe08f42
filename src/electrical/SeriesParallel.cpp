#include "electrical/SeriesParallel.h"

namespace SeriesParallel {

namespace {
QString term(QChar letter, int index) {
    return letter + QString::number(index + 1);
}
} // namespace

NetworkTotal directSum(std::span<const Entry> entries, QChar letter) {
    NetworkTotal result;
    double total = 0.0;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        if (!entries[i])
            continue;
        total += *entries[i];
        result.formula +=
            (result.formula.isEmpty() ? QString() : QStringLiteral(" + ")) + term(letter, i);
    }
    result.total = checked(total);
    return result;
}

NetworkTotal reciprocalSum(std::span<const Entry> entries, QChar letter) {
    NetworkTotal result;
    Calculated sum;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        if (!entries[i])
            continue;
        if (*entries[i] == 0.0) {
            result.zeroEntries.append(i);
            continue;
        }
        const Calculated reciprocal = quotient(1.0, *entries[i]);
        if (sum.ok())
            sum = reciprocal.ok() ? checked(sum.value + reciprocal.value) : reciprocal;
        result.formula +=
            (result.formula.isEmpty() ? QStringLiteral("1/(1/") : QStringLiteral(" + 1/")) +
            term(letter, i);
    }
    if (result.formula.isEmpty())
        return result; // no term: the total is 0
    result.formula += u')';
    // A pasted "-5" beside a "5" cancels out: 1/0 has no value, not the 0 of an empty network.
    result.total = sum.ok() ? quotient(1.0, sum.value) : sum;
    return result;
}

} // namespace SeriesParallel
