#include "nec/TransformerProtection.h"

#include <cmath>

#include "common/DisplayMask.h"
#include "nec/StepText.h"

namespace Nec {

namespace {

constexpr QStringView AmpsMask = u"#0.00";
constexpr double ThreePhaseFactor = 1.732;

using StepText::percent;
using StepText::positive;
using StepText::settle;

QString amps(double value) {
    return StepText::amperes(value, AmpsMask);
}
QString rating(double value) {
    return StepText::amperes(value);
}
// An entered number as typed: "480", "0.2388".
QString given(double value) {
    return StepText::plain(value, u"#0.####");
}

// The Table 450.3(B) cell that applies to a current, and whether it is one of the 125 % cells
// that carry Note 1 (next higher standard rating permitted).
struct Cell {
    std::optional<double> percent;
    QString range;
    bool nextHigher = false;
};

Cell primaryCell(const TransformerOcpdRow& row, double current, bool primaryOnly) {
    if (current >= 9)
        return {row.primary9OrMore, QStringLiteral("9 A or more"), primaryOnly};
    if (current >= 2)
        return {row.primaryBelow9, QStringLiteral("less than 9 A"), false};
    return {row.primaryBelow2, QStringLiteral("less than 2 A"), false};
}

Cell secondaryCell(const TransformerOcpdRow& row, double current) {
    if (current >= 9)
        return {row.secondary9OrMore, QStringLiteral("9 A or more"), true};
    return {row.secondaryBelow9, QStringLiteral("less than 9 A"), false};
}

// The standard rating for a side whose maximum is `maximum`: the maximum itself when it is a
// rating; else the next higher where Note 1 permits it, otherwise the largest at or below.
// Nothing when even the smallest rating the device takes is above the maximum.
std::optional<double> pickRating(double maximum, bool nextHigher, bool fuse,
                                 const StandardRatings& ratings, const QString& side,
                                 QStringList& steps) {
    if (ratings.isRating(maximum, fuse)) {
        steps << QStringLiteral("Table 240.6(A): %1 is a standard rating, so the %2 rating is %1")
                     .arg(rating(maximum), side);
        return maximum;
    }
    std::optional<double> chosen;
    std::optional<double> forFuse;
    if (nextHigher) {
        chosen = ratings.atOrAbove(maximum, fuse);
        forFuse = ratings.atOrAbove(maximum, true);
        if (chosen)
            steps << QStringLiteral("Table 450.3(B) Note 1: %1 is not a standard rating; the "
                                    "next higher 240.6(A) rating, %2, is permitted")
                         .arg(amps(maximum), rating(*chosen));
        else
            steps << QStringLiteral("Table 240.6(A) has no rating above %1").arg(amps(maximum));
    }
    if (!chosen) {
        chosen = ratings.atOrBelow(maximum, fuse);
        forFuse = ratings.atOrBelow(maximum, true);
        if (chosen) {
            steps << QStringLiteral("The %1 rating may not exceed %2: the largest 240.6(A) "
                                    "rating at or below it is %3")
                         .arg(side, amps(maximum), rating(*chosen));
        } else {
            const std::optional<double> smallest = ratings.atOrAbove(0, fuse);
            steps << (smallest
                          ? QStringLiteral("The %1 rating may not exceed %2, which is below "
                                           "the smallest 240.6(A) rating, %3: no standard "
                                           "rating fits")
                                .arg(side, amps(maximum), rating(*smallest))
                          : QStringLiteral("Table 240.6(A) has no rating for the %1").arg(side));
        }
    }
    if (!fuse && forFuse && forFuse != chosen)
        steps << QStringLiteral("Table 240.6(A): %1 is a rating for fuses only, not for a "
                                "circuit breaker")
                     .arg(rating(*forFuse));
    return chosen;
}

QString methodName(TransformerProtectionMethod method) {
    return method == TransformerProtectionMethod::PrimaryOnly
               ? QStringLiteral("primary only")
               : QStringLiteral("primary and secondary");
}

Refusal noValue(TransformerProtectionMethod method, const QString& side, const Cell& cell) {
    return Refusal{QStringLiteral("Table 450.3(B) gives no %1 percentage for %2 protection at "
                                  "currents of %3.")
                       .arg(side, methodName(method), cell.range)};
}

} // namespace

QString transformerMethodKey(TransformerProtectionMethod method) {
    return method == TransformerProtectionMethod::PrimaryOnly
               ? QStringLiteral("primary_only")
               : QStringLiteral("primary_and_secondary");
}

Outcome<TransformerResult> transformerProtection(const TransformerInput& input,
                                                 const TransformerOcpdTable& table,
                                                 const StandardRatings& ratings) {
    if (!positive(input.kva))
        return Refusal{QStringLiteral("The kVA must be a number above 0.")};
    if (!positive(input.primaryVolts))
        return Refusal{QStringLiteral("The primary voltage must be a number above 0.")};
    if (!positive(input.secondaryVolts))
        return Refusal{QStringLiteral("The secondary voltage must be a number above 0.")};
    const bool three = input.phases == TransformerPhases::Three;
    if (!three && input.phases != TransformerPhases::Single)
        return Refusal{QStringLiteral("Pick single or three phase.")};
    const bool primaryOnly = input.method == TransformerProtectionMethod::PrimaryOnly;
    if (!primaryOnly && input.method != TransformerProtectionMethod::PrimaryAndSecondary)
        return Refusal{QStringLiteral("Pick the protection.")};
    const bool fuse = input.device == TransformerDevice::Fuse;
    if (!fuse && input.device != TransformerDevice::CircuitBreaker)
        return Refusal{QStringLiteral("Pick the protective device.")};

    TransformerResult result;
    const double factor = three ? ThreePhaseFactor : 1.0;
    result.primaryCurrent = input.kva * 1000 / (input.primaryVolts * factor);
    result.secondaryCurrent = input.kva * 1000 / (input.secondaryVolts * factor);
    if (!std::isfinite(result.primaryCurrent) || !std::isfinite(result.secondaryCurrent) ||
        !std::isfinite(input.primaryVolts * factor) ||
        !std::isfinite(input.secondaryVolts * factor))
        return Refusal{QStringLiteral("The numbers are too large to compute.")};
    const QString divisor = three ? QStringLiteral("(%1 × 1.732)") : QStringLiteral("%1");
    result.steps << QStringLiteral("Primary current: %1 kVA × 1000 ÷ %2 = %3")
                        .arg(given(input.kva),
                             divisor.arg(given(input.primaryVolts) + QStringLiteral(" V")),
                             amps(result.primaryCurrent));
    result.steps << QStringLiteral("Secondary current: %1 kVA × 1000 ÷ %2 = %3")
                        .arg(given(input.kva),
                             divisor.arg(given(input.secondaryVolts) + QStringLiteral(" V")),
                             amps(result.secondaryCurrent));

    const TransformerOcpdRow& row = primaryOnly ? table.primaryOnly : table.primaryAndSecondary;
    const QString method = methodName(input.method);

    const Cell primary = primaryCell(row, settle(result.primaryCurrent), primaryOnly);
    if (!primary.percent)
        return noValue(input.method, QStringLiteral("primary"), primary);
    result.primaryMaximum = settle(result.primaryCurrent * *primary.percent / 100);
    if (!std::isfinite(result.primaryMaximum))
        return Refusal{QStringLiteral("The numbers are too large to compute.")};
    result.steps << QStringLiteral("Table 450.3(B), %1, primary current %2: %3")
                        .arg(method, primary.range, percent(*primary.percent));
    result.steps << QStringLiteral("Primary maximum: %1 × %2 = %3")
                        .arg(amps(result.primaryCurrent), percent(*primary.percent),
                             amps(result.primaryMaximum));
    result.primaryRating = pickRating(result.primaryMaximum, primary.nextHigher, fuse, ratings,
                                      QStringLiteral("primary"), result.steps);

    if (primaryOnly) {
        result.steps << QStringLiteral("Table 450.3(B), primary only: secondary protection not "
                                       "required");
        return result;
    }
    result.steps << QStringLiteral("Table 450.3(B) Note 3: with coordinated thermal overload "
                                   "protection by the manufacturer, the primary may be up to "
                                   "600 % (%1) for an impedance of 6 % or less, 400 % (%2) for "
                                   "over 6 % to 10 %")
                        .arg(amps(settle(result.primaryCurrent * 6)),
                             amps(settle(result.primaryCurrent * 4)));

    result.secondaryRequired = true;
    const Cell secondary = secondaryCell(row, settle(result.secondaryCurrent));
    if (!secondary.percent)
        return noValue(input.method, QStringLiteral("secondary"), secondary);
    const double secondaryMaximum = settle(result.secondaryCurrent * *secondary.percent / 100);
    if (!std::isfinite(secondaryMaximum))
        return Refusal{QStringLiteral("The numbers are too large to compute.")};
    result.secondaryMaximum = secondaryMaximum;
    result.steps << QStringLiteral("Table 450.3(B), %1, secondary current %2: %3")
                        .arg(method, secondary.range, percent(*secondary.percent));
    result.steps << QStringLiteral("Secondary maximum: %1 × %2 = %3")
                        .arg(amps(result.secondaryCurrent), percent(*secondary.percent),
                             amps(secondaryMaximum));
    result.secondaryRating = pickRating(secondaryMaximum, secondary.nextHigher, fuse, ratings,
                                        QStringLiteral("secondary"), result.steps);
    result.steps << QStringLiteral("Table 450.3(B) Note 2: the secondary device may be up to six "
                                   "circuit breakers or six sets of fuses grouped in one "
                                   "location, together rated no more than one device could be");
    return result;
}

} // namespace Nec
