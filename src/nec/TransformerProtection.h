#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "nec/ConductorTables.h"

// Overcurrent protection of a transformer of 1000 V and less by Table 450.3(B), with the
// 240.6(A) standard ratings.
namespace Nec {

enum class TransformerPhases { Single, Three };
enum class TransformerProtectionMethod { PrimaryOnly, PrimaryAndSecondary };
enum class TransformerDevice { Fuse, CircuitBreaker };

// One row of Table 450.3(B), percent of the rated current by the current's range. An empty cell
// (the secondary of primary-only protection, "Not required") is nothing.
struct TransformerOcpdRow {
    std::optional<double> primary9OrMore;
    std::optional<double> primaryBelow9;
    std::optional<double> primaryBelow2;
    std::optional<double> secondary9OrMore;
    std::optional<double> secondaryBelow9;
};

struct TransformerOcpdTable {
    TransformerOcpdRow primaryOnly;         // protection_method "primary_only"
    TransformerOcpdRow primaryAndSecondary; // protection_method "primary_and_secondary"
};

// The `protection_method` key of the method's row in transformer_ocpd_450_3_B.csv.
QString transformerMethodKey(TransformerProtectionMethod method);

struct TransformerInput {
    double kva = 0;
    double primaryVolts = 0;
    double secondaryVolts = 0;
    TransformerPhases phases = TransformerPhases::Three;
    TransformerProtectionMethod method = TransformerProtectionMethod::PrimaryOnly;
    TransformerDevice device = TransformerDevice::Fuse;
};

// What the secondary results show under primary-only protection.
inline constexpr QStringView NotRequiredText = u"not required";

struct TransformerResult {
    double primaryCurrent = 0;
    double secondaryCurrent = 0;
    double primaryMaximum = 0;
    std::optional<double> primaryRating; // nothing ("—") below the smallest standard rating
    bool secondaryRequired = false;      // false: the secondary shows "not required"
    std::optional<double> secondaryMaximum;
    std::optional<double> secondaryRating; // nothing when not required or below the smallest
    QStringList steps;
};

// The rated currents and the largest primary and secondary devices, or the refusal: a
// non-positive or non-finite number, a result too large to compute, or a table cell with no value.
Outcome<TransformerResult> transformerProtection(const TransformerInput& input,
                                                 const TransformerOcpdTable& table,
                                                 const StandardRatings& ratings);

} // namespace Nec
