#include "nec/ConductorAmpacity.h"

#include "common/DisplayMask.h"
#include "nec/StepText.h"

#include <algorithm>
#include <cmath>

namespace Nec {

namespace {

constexpr QStringView kFactorMask = u"#0.00";
constexpr QStringView kAmpacityMask = u"#0.0#";
constexpr QStringView kWholeMask = u"#0";

// 240.4(B)(3): the next higher rating is allowed only up to 800 A.
constexpr double kNextHigherLimit = 800;
constexpr double kContinuousFactor = 1.25;

using StepText::atLeast;
using StepText::conductorName;
using StepText::plain;
using StepText::slack;

QString amps(double value) {
    return formatMask(value, kAmpacityMask) + QStringLiteral(" A");
}
QString device(double value) {
    return formatMask(value, kWholeMask) + QStringLiteral(" A");
}
QString factor(double value) {
    return formatMask(value, kFactorMask);
}

QString temperature(double value, TemperatureUnit unit) {
    return plain(value) +
           (unit == TemperatureUnit::Celsius ? QStringLiteral(" °C") : QStringLiteral(" °F"));
}

// "36–40 °C", "10 °C or less", "86 °F or more": the bounds of a correction row.
QString rowRange(const TempCorrectionRow& row, TemperatureUnit unit) {
    const bool celsius = unit == TemperatureUnit::Celsius;
    const std::optional<double> low = celsius ? row.celsiusMin : row.fahrenheitMin;
    const std::optional<double> high = celsius ? row.celsiusMax : row.fahrenheitMax;
    if (low && high)
        return plain(*low) + u'–' + temperature(*high, unit);
    if (high)
        return temperature(*high, unit) + QStringLiteral(" or less");
    if (low)
        return temperature(*low, unit) + QStringLiteral(" or more");
    return QStringLiteral("every ambient");
}

Outcome<double> ambientFactor(const AmpacityInput& in, const TempCorrectionTable& table,
                              QStringList& steps) {
    if (!std::isfinite(in.ambient))
        return Refusal{QStringLiteral("The ambient temperature must be a number.")};
    const bool celsius = in.ambientUnit == TemperatureUnit::Celsius;
    const auto row = std::find_if(table.rows.begin(), table.rows.end(), [&](const auto& r) {
        const std::optional<double> high = celsius ? r.celsiusMax : r.fahrenheitMax;
        return !high || in.ambient <= *high;
    });
    const std::optional<double> value = row == table.rows.end()
                                            ? std::nullopt
                                            : row->factor[static_cast<std::size_t>(in.insulation)];
    if (!value)
        return Refusal{
            QStringLiteral("Table 310.15(B)(1)(1) gives no correction factor for %1 "
                           "insulation at %2: the conductor may not be used at that "
                           "ambient temperature.")
                .arg(ratingCaption(in.insulation), temperature(in.ambient, in.ambientUnit))};
    steps << QStringLiteral("Table 310.15(B)(1)(1), %1 (row %2), %3 column: × %4")
                 .arg(temperature(in.ambient, in.ambientUnit), rowRange(*row, in.ambientUnit),
                      ratingCaption(in.insulation), factor(*value));
    return *value;
}

Outcome<double> adjustmentFactor(double count, const AdjustmentTable& table, QStringList& steps) {
    if (!std::isfinite(count) || count < 1 || count != std::floor(count))
        return Refusal{QStringLiteral("The number of current-carrying conductors must be a whole "
                                      "number of 1 or more.")};
    const QString n = formatMask(count, kWholeMask);
    if (count <= 3) {
        steps << QStringLiteral("Table 310.15(C)(1), %1 current-carrying conductors (not more "
                                "than three): × %2")
                     .arg(n, factor(1));
        return 1.0;
    }
    for (const AdjustmentRow& row : table.rows) {
        if (count < row.minimum || (row.maximum && count > *row.maximum))
            continue;
        const QString range =
            row.maximum
                ? formatMask(row.minimum, kWholeMask) + u'–' + formatMask(*row.maximum, kWholeMask)
                : formatMask(row.minimum, kWholeMask) + QStringLiteral(" and above");
        const double f = row.percent / 100;
        steps << QStringLiteral("Table 310.15(C)(1), %1 current-carrying conductors (%2): %3 % "
                                "→ × %4")
                     .arg(n, range, plain(row.percent), factor(f));
        return f;
    }
    return Refusal{QStringLiteral("Table 310.15(C)(1) has no row for %1 current-carrying "
                                  "conductors.")
                       .arg(n)};
}

// The values of one size under the conditions, with the step lines that show them.
struct SizeValues {
    double table = 0;
    double corrected = 0;
    double limit = 0;
    double allowable = 0;
    std::optional<double> maximumDevice;
    QStringList steps;
};

std::optional<SizeValues> sizeValues(std::size_t row, const AmpacityInput& in, double fa, double fc,
                                     const ConductorAmpacityTables& tables) {
    const ConductorSize& size = tables.ampacity.rows[row].size;
    const TempRating lower = std::min(in.insulation, in.terminations);
    const std::optional<double> t = tables.ampacity.value(row, in.metal, in.insulation);
    const std::optional<double> l = tables.ampacity.value(row, in.metal, lower);
    if (!t || !l)
        return std::nullopt;
    SizeValues v;
    v.table = *t;
    v.corrected = *t * fa * fc;
    v.limit = *l;
    v.allowable = std::min(v.corrected, v.limit);
    v.steps << QStringLiteral("Table 310.16, %1, %2 column: %3")
                   .arg(conductorName(size, in.metal), ratingCaption(in.insulation), amps(*t));
    v.steps << QStringLiteral("Corrected ampacity: %1 × %2 × %3 = %4")
                   .arg(amps(*t), factor(fa), factor(fc), amps(v.corrected));
    v.steps << QStringLiteral("110.14(C), the lower of %1 insulation and %2 terminations: "
                              "Table 310.16, %3 column: %4")
                   .arg(ratingCaption(in.insulation), ratingCaption(in.terminations),
                        ratingCaption(lower), amps(*l));
    v.steps << QStringLiteral("Allowable ampacity: the smaller of %1 and %2 = %3")
                   .arg(amps(v.corrected), amps(v.limit), amps(v.allowable));
    QString step;
    v.maximumDevice = standardDeviceFor(v.allowable, tables.standardRatings, &step);
    if (!v.maximumDevice)
        return v;
    v.steps << step;
    if (const auto small = tables.smallLimits.limit(size, in.metal)) {
        v.steps << QStringLiteral("240.4(D), %1: not more than %2")
                       .arg(conductorName(size, in.metal), device(*small));
        v.maximumDevice = std::min(*v.maximumDevice, *small);
    }
    v.steps << QStringLiteral("Maximum overcurrent device for %1: %2")
                   .arg(conductorName(size, in.metal), device(*v.maximumDevice));
    return v;
}

AmpacityResult resultOf(const ConductorSize& size, double fa, double fc, const SizeValues& v) {
    AmpacityResult r;
    r.size = size;
    r.tableAmpacity = v.table;
    r.ambientFactor = fa;
    r.adjustmentFactor = fc;
    r.correctedAmpacity = v.corrected;
    r.terminationLimit = v.limit;
    r.allowableAmpacity = v.allowable;
    r.maximumDevice = v.maximumDevice.value_or(0);
    return r;
}

Outcome<AmpacityResult> ampacityOfSize(const AmpacityInput& in, double fa, double fc,
                                       const ConductorAmpacityTables& tables, QStringList steps) {
    const std::optional<std::size_t> row = tables.ampacity.find(in.size);
    if (!row)
        return Refusal{QStringLiteral("Table 310.16 has no size %1.").arg(in.size.caption())};
    const std::optional<SizeValues> v = sizeValues(*row, in, fa, fc, tables);
    if (!v)
        return Refusal{QStringLiteral("Table 310.16 gives no value for %1 in the %2 column.")
                           .arg(conductorName(in.size, in.metal),
                                ratingCaption(std::min(in.insulation, in.terminations)))};
    if (!v->maximumDevice)
        return Refusal{QStringLiteral("Table 240.6(A) has no standard rating for %1.")
                           .arg(amps(v->allowable))};
    AmpacityResult r = resultOf(in.size, fa, fc, *v);
    const bool corrections = v->corrected < v->limit - slack(v->limit);
    r.governedBy =
        corrections ? QStringLiteral("correction factors") : QStringLiteral("terminations");
    steps << v->steps;
    steps << QStringLiteral("Governed by: %1 (%2 %3 %4)")
                 .arg(r.governedBy, amps(v->corrected),
                      corrections ? QStringLiteral("<") : QStringLiteral("≥"), amps(v->limit));
    r.steps = steps;
    return r;
}

// Which of the three conditions of a size fail for the load, in the order they are listed.
QStringList failedConditions(const SizeValues& v, double load, double required, double rating,
                             QStringList* detail) {
    QStringList failed;
    if (!atLeast(v.limit, required)) {
        failed << QStringLiteral("terminations");
        *detail << QStringLiteral("terminations (%1 < %2)").arg(amps(v.limit), amps(required));
    }
    if (!atLeast(v.corrected, load)) {
        failed << QStringLiteral("correction factors");
        *detail
            << QStringLiteral("correction factors (%1 < %2)").arg(amps(v.corrected), amps(load));
    }
    if (!v.maximumDevice || !atLeast(*v.maximumDevice, rating)) {
        failed << QStringLiteral("overcurrent device");
        *detail << (v.maximumDevice ? QStringLiteral("overcurrent device (%1 > %2)")
                                          .arg(device(rating), device(*v.maximumDevice))
                                    : QStringLiteral("overcurrent device (no standard rating)"));
    }
    return failed;
}

Outcome<AmpacityResult> sizeForLoad(const AmpacityInput& in, double fa, double fc,
                                    const ConductorAmpacityTables& tables, QStringList steps) {
    const QString noConductor =
        QStringLiteral("No single conductor in Table 310.16 carries the load under these "
                       "conditions.");
    const double load = in.load;
    const double required = in.continuous ? kContinuousFactor * load : load;
    if (!std::isfinite(required))
        return Refusal{noConductor};
    const std::optional<double> rating =
        tables.standardRatings.atOrAbove(required - slack(required));
    if (!rating)
        return Refusal{noConductor};

    QStringList head;
    head << (in.continuous
                 ? QStringLiteral("Continuous load: 1.25 × %1 = %2").arg(amps(load), amps(required))
                 : QStringLiteral("Load: %1").arg(amps(load)));
    head << QStringLiteral("210.20(A), Table 240.6(A): the smallest standard rating at or above "
                           "%1: %2")
                .arg(amps(required), device(*rating));

    std::optional<SizeValues> previous;
    ConductorSize previousSize;
    for (const ConductorSize& size : ampacitySizes(tables.ampacity, in.metal)) {
        const std::optional<std::size_t> row = tables.ampacity.find(size);
        const std::optional<SizeValues> v =
            row ? sizeValues(*row, in, fa, fc, tables) : std::nullopt;
        if (!v)
            continue;
        QStringList detail;
        if (!failedConditions(*v, load, required, *rating, &detail).isEmpty()) {
            previous = v;
            previousSize = size;
            continue;
        }
        AmpacityResult r = resultOf(size, fa, fc, *v);
        r.maximumDevice = *rating;
        steps = head + steps + v->steps;
        steps << QStringLiteral("%1 meets all three: terminations %2 ≥ %3, correction factors %4 "
                                "≥ %5, overcurrent device %6 ≤ %7")
                     .arg(conductorName(size, in.metal), amps(v->limit), amps(required),
                          amps(v->corrected), amps(load), device(*rating),
                          device(v->maximumDevice.value_or(0)));
        if (previous) {
            QStringList previousDetail;
            r.governedBy = failedConditions(*previous, load, required, *rating, &previousDetail)
                               .join(QStringLiteral(", "));
            steps << QStringLiteral("The next smaller size, %1, fails: %2")
                         .arg(conductorName(previousSize, in.metal),
                              previousDetail.join(QStringLiteral(", ")));
        } else {
            r.governedBy = QStringLiteral("smallest size");
        }
        steps << (previous
                      ? QStringLiteral("Size: %1, governed by %2").arg(size.caption(), r.governedBy)
                      : QStringLiteral("Size: %1, the smallest size").arg(size.caption()));
        steps << QStringLiteral("Overcurrent device: %1").arg(device(*rating));
        r.steps = steps;
        return r;
    }
    return Refusal{noConductor};
}

} // namespace

Outcome<AmpacityResult> conductorAmpacity(const AmpacityInput& input,
                                          const ConductorAmpacityTables& tables) {
    if (input.find == AmpacityFind::SizeForLoad && !(std::isfinite(input.load) && input.load > 0))
        return Refusal{QStringLiteral("The load must be a number above 0.")};
    QStringList steps;
    const Outcome<double> fa = ambientFactor(input, tables.correction, steps);
    if (const auto* refusal = std::get_if<Refusal>(&fa))
        return *refusal;
    const Outcome<double> fc = adjustmentFactor(input.conductors, tables.adjustment, steps);
    if (const auto* refusal = std::get_if<Refusal>(&fc))
        return *refusal;
    if (input.find == AmpacityFind::SizeForLoad)
        return sizeForLoad(input, std::get<double>(fa), std::get<double>(fc), tables, steps);
    return ampacityOfSize(input, std::get<double>(fa), std::get<double>(fc), tables, steps);
}

std::vector<ConductorSize> ampacitySizes(const AmpacityTable& table, Metal metal) {
    std::vector<ConductorSize> sizes;
    for (std::size_t row = 0; row < table.rows.size(); ++row)
        if (table.value(row, metal, TempRating::C60) && table.value(row, metal, TempRating::C75) &&
            table.value(row, metal, TempRating::C90))
            sizes.push_back(table.rows[row].size);
    return sizes;
}

std::optional<double> standardDeviceFor(double ampacity, const StandardRatings& ratings,
                                        QString* step) {
    if (!std::isfinite(ampacity))
        return std::nullopt;
    const double tolerance = slack(ampacity);
    const bool higher = ampacity <= kNextHigherLimit + tolerance;
    const std::optional<double> rating =
        higher ? ratings.atOrAbove(ampacity - tolerance) : ratings.atOrBelow(ampacity + tolerance);
    if (!rating || !step)
        return rating;
    if (std::fabs(*rating - ampacity) <= tolerance)
        *step = QStringLiteral("Table 240.6(A): %1 is a standard rating").arg(device(*rating));
    else if (higher)
        *step = QStringLiteral("240.4(B), Table 240.6(A): the next higher standard rating above "
                               "%1 (up to 800 A): %2")
                    .arg(amps(ampacity), device(*rating));
    else
        *step = QStringLiteral("240.4(C), Table 240.6(A): above 800 A, the next lower standard "
                               "rating below %1: %2")
                    .arg(amps(ampacity), device(*rating));
    return rating;
}

} // namespace Nec
