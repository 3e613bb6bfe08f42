#include "nec/VoltageDrop.h"

#include "common/DisplayMask.h"
#include "nec/StepText.h"

#include <algorithm>
#include <cmath>

namespace Nec {

namespace {

constexpr QStringView kVoltsMask = u"#0.00";
constexpr QStringView kAmpsMask = u"#0.0#";
// Z with three decimals; table values keep the digits the table prints (Table 8 has 0.00643).
constexpr QStringView kImpedanceMask = u"#0.000";
constexpr QStringView kOhmsMask = u"#0.000##";
constexpr QStringView kFractionMask = u"#0.00##";
constexpr QStringView kFactorMask = u"#0.###";
constexpr QStringView kWholeMask = u"#0";

constexpr double kFeetPerMetre = 1 / 0.3048;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kThreePhaseFactor = 1.732;
constexpr double kTablePowerFactor = 85; // Table 9's effective Z column is at 0.85

using StepText::conductorName;
using StepText::plain;
using StepText::positive;
using StepText::slack;

QString volts(double v) {
    return formatMask(v, kVoltsMask) + QStringLiteral(" V");
}
QString amps(double v) {
    return formatMask(v, kAmpsMask) + QStringLiteral(" A");
}
QString ohms(double v) {
    return formatMask(v, kOhmsMask);
}
QString percent(double v) {
    return formatMask(v, kVoltsMask) + QStringLiteral(" %");
}
QString unitName(LengthUnit unit) {
    return unit == LengthUnit::Feet ? QStringLiteral("ft") : QStringLiteral("m");
}
QString setsText(double sets) {
    return formatMask(sets, kWholeMask) +
           (sets == 1 ? QStringLiteral(" set") : QStringLiteral(" sets"));
}
// The impedance of one size in ohm per 1000 ft, with the lines that show where it came from.
struct Impedance {
    double z = 0;
    QString text; // as the steps show it: a table value as printed, Note 2's result to 0.001
    QStringList steps;
};

Outcome<Impedance> impedanceOf(const ConductorSize& size, const VoltageDropInput& in,
                               const VoltageDropTables& tables) {
    Impedance imp;
    const QString name = conductorName(size, in.metal);
    if (in.system == SupplySystem::Dc) {
        const std::optional<double> r = tables.dcResistance.resistance(size, in.metal);
        if (!r || !positive(*r))
            return Refusal{
                QStringLiteral("Chapter 9 Table 8 gives no resistance for %1.").arg(name)};
        imp.z = *r;
        imp.text = ohms(*r);
        imp.steps << QStringLiteral("Chapter 9 Table 8, %1 stranded %2, DC resistance: %3 "
                                    "ohm/1000 ft")
                         .arg(size.caption(),
                              in.metal == Metal::Copper ? QStringLiteral("uncoated copper")
                                                        : QStringLiteral("aluminum"),
                              ohms(*r));
        return imp;
    }
    const QString where = name + QStringLiteral(" in ") + racewayName(in.raceway);
    const std::optional<std::size_t> row = tables.impedance.find(size);
    const QString missing = QStringLiteral("Chapter 9 Table 9 gives no %1 for %2.");
    if (in.powerFactorPercent == kTablePowerFactor) {
        const std::optional<double> z =
            row ? tables.impedance.impedanceAt85(*row, in.metal, in.raceway) : std::nullopt;
        if (!z || !positive(*z))
            return Refusal{missing.arg(QStringLiteral("effective Z at 0.85 power factor"), where)};
        imp.z = *z;
        imp.text = ohms(*z);
        imp.steps << QStringLiteral("Chapter 9 Table 9, %1, effective Z at 0.85 power factor "
                                    "(the table's own column): %2 ohm/1000 ft")
                         .arg(where, ohms(*z));
        return imp;
    }
    const std::optional<double> r =
        row ? tables.impedance.resistance(*row, in.metal, in.raceway) : std::nullopt;
    const std::optional<double> x =
        row ? tables.impedance.reactance(*row, in.raceway) : std::nullopt;
    if (!r || !x || !std::isfinite(*r) || !std::isfinite(*x))
        return Refusal{missing.arg(QStringLiteral("resistance and reactance"), where)};
    const double p = in.powerFactorPercent / 100;
    imp.z = *r * p + *x * std::sqrt(1 - p * p);
    if (!positive(imp.z))
        return Refusal{missing.arg(QStringLiteral("usable impedance"), where)};
    imp.steps << QStringLiteral("Chapter 9 Table 9, %1: R = %2, XL (%3) = %4 ohm/1000 ft")
                     .arg(where, ohms(*r),
                          in.raceway == Raceway::Steel ? QStringLiteral("steel conduit")
                                                       : QStringLiteral("PVC and aluminum conduit"),
                          ohms(*x));
    const QString pf = formatMask(p, kFractionMask);
    imp.text = formatMask(imp.z, kImpedanceMask);
    imp.steps << QStringLiteral("Table 9, Note 2, at %1 % power factor: Z = R × %2 + XL × √(1 − "
                                "%2²) = %3 × %2 + %4 × %5 = %6 ohm/1000 ft")
                     .arg(plain(in.powerFactorPercent), pf, ohms(*r), ohms(*x),
                          formatMask(std::sqrt(1 - p * p), kFractionMask), imp.text);
    return imp;
}

double factorOf(SupplySystem system) {
    return system == SupplySystem::ThreePhase ? kThreePhaseFactor : 2.0;
}

QString factorStep(SupplySystem system) {
    switch (system) {
    case SupplySystem::SinglePhase:
        return QStringLiteral("Single phase: k = 2");
    case SupplySystem::ThreePhase:
        return QStringLiteral("Three phase: k = 1.732");
    case SupplySystem::Dc:
        return QStringLiteral("DC: k = 2");
    }
    return {};
}

struct Drop {
    double volts = 0;
    double percent = 0;
    double atLoad = 0;
};

// VD = k × I × Z × L / 1000 / sets, for a length in feet.
Drop dropOf(const VoltageDropInput& in, double z, double feet) {
    Drop d;
    d.volts = factorOf(in.system) * in.amperes * z * feet / 1000 / in.sets;
    d.percent = 100 * d.volts / in.volts;
    d.atLoad = in.volts - d.volts;
    return d;
}

bool finite(const Drop& d) {
    return std::isfinite(d.volts) && std::isfinite(d.percent) && std::isfinite(d.atLoad);
}

QStringList dropSteps(const VoltageDropInput& in, const Impedance& z, double feet, const Drop& d) {
    QStringList steps;
    steps << QStringLiteral("VD = %1 × %2 × %3 × %4 ft / 1000 / %5 = %6")
                 .arg(plain(factorOf(in.system), kFactorMask), amps(in.amperes), z.text,
                      plain(feet), setsText(in.sets), volts(d.volts));
    steps << QStringLiteral("VD% = 100 × %1 / %2 = %3")
                 .arg(volts(d.volts), volts(in.volts), percent(d.percent));
    steps << QStringLiteral("Voltage at load: %1 − %2 = %3")
                 .arg(volts(in.volts), volts(d.volts), volts(d.atLoad));
    if (d.percent >= 100)
        steps << QStringLiteral("Warning: the drop is 100 % or more of the supply voltage, so "
                                "the load cannot be served over this run.");
    return steps;
}

// Table 310.16 75°C ampacity × sets, for comparison with the current.
std::optional<double> ampacity75(const VoltageDropInput& in, const ConductorSize& size,
                                 const AmpacityTable& table, QStringList& steps) {
    const std::optional<std::size_t> row = table.find(size);
    const std::optional<double> a =
        row ? table.value(*row, in.metal, TempRating::C75) : std::nullopt;
    if (!a) {
        steps << QStringLiteral("Table 310.16 gives no 75°C ampacity for %1")
                     .arg(conductorName(size, in.metal));
        return std::nullopt;
    }
    const double total = *a * in.sets;
    steps << QStringLiteral("Table 310.16, %1, 75°C column, for comparison: %2 × %3 = %4")
                 .arg(conductorName(size, in.metal), amps(*a), setsText(in.sets), amps(total));
    if (in.amperes > total + slack(total))
        steps << QStringLiteral("The current %1 exceeds the 75°C ampacity %2: the conductors "
                                "are too small to carry it.")
                     .arg(amps(in.amperes), amps(total));
    return total;
}

Refusal tooLarge() {
    return Refusal{QStringLiteral("The numbers are too large to compute a voltage drop.")};
}

QString validate(const VoltageDropInput& in) {
    if (!positive(in.volts))
        return QStringLiteral("The voltage must be a number above 0.");
    if (!positive(in.amperes))
        return QStringLiteral("The current must be a number above 0.");
    if (in.find != DropFind::Length && !positive(in.length))
        return QStringLiteral("The one-way length must be a number above 0.");
    if (in.system != SupplySystem::Dc) {
        if (!positive(in.powerFactorPercent))
            return QStringLiteral("The power factor must be a number above 0.");
        if (in.powerFactorPercent > 100)
            return QStringLiteral("The power factor may not be above 100 %.");
    }
    if (!std::isfinite(in.sets) || in.sets < 1 || in.sets != std::floor(in.sets))
        return QStringLiteral("The number of parallel sets must be a whole number of 1 or more.");
    if (in.find != DropFind::Drop && !positive(in.maxDropPercent))
        return QStringLiteral("The maximum drop must be a number above 0.");
    if (in.find != DropFind::Size && in.sets > 1 && !parallelAllowed(in.size))
        return QStringLiteral("Conductors smaller than 1/0 AWG may not be run in parallel "
                              "(310.10(G)).");
    return {};
}

} // namespace

Outcome<VoltageDropResult> voltageDrop(const VoltageDropInput& in,
                                       const VoltageDropTables& tables) {
    if (const QString refusal = validate(in); !refusal.isEmpty())
        return Refusal{refusal};

    QStringList head{factorStep(in.system)};
    if (in.sets > 1)
        head << QStringLiteral("310.10(G): %1 in parallel, 1/0 AWG and larger")
                    .arg(setsText(in.sets));
    const QString unit = unitName(in.lengthUnit);
    const auto toFeet = [&](double length) {
        return in.lengthUnit == LengthUnit::Metres ? length * kFeetPerMetre : length;
    };
    const QString metresStep = QStringLiteral("One-way length: %1 m ÷ 0.3048 = %2 ft");

    VoltageDropResult r;
    r.size = in.size;
    r.length = in.length;
    QStringList lengthSteps; // the maximum length, before the drop at it
    QStringList sizeSteps;   // why this size, after its drop
    Impedance imp;
    double feet = toFeet(in.length);

    if (in.find == DropFind::Size) {
        std::optional<double> previousPercent;
        ConductorSize previousSize;
        bool found = false;
        for (const ConductorSize& size : impedanceSizes(tables.impedance, in.metal)) {
            if (in.sets > 1 && !parallelAllowed(size))
                continue;
            const Outcome<Impedance> z = impedanceOf(size, in, tables);
            if (std::holds_alternative<Refusal>(z))
                continue;
            const Drop d = dropOf(in, std::get<Impedance>(z).z, feet);
            if (!(d.percent <= in.maxDropPercent + slack(in.maxDropPercent))) {
                previousPercent = d.percent;
                previousSize = size;
                continue;
            }
            r.size = size;
            imp = std::get<Impedance>(z);
            found = true;
            break;
        }
        if (!found)
            return Refusal{QStringLiteral("No conductor size in Chapter 9 Table 9 keeps the drop "
                                          "within %1 under these conditions.")
                               .arg(percent(in.maxDropPercent))};
        if (previousPercent && std::isfinite(*previousPercent))
            sizeSteps << QStringLiteral("The next smaller size, %1, gives %2, more than %3")
                             .arg(conductorName(previousSize, in.metal), percent(*previousPercent),
                                  percent(in.maxDropPercent));
        sizeSteps << QStringLiteral("Size: %1, the smallest whose drop is within %2")
                         .arg(r.size.caption(), percent(in.maxDropPercent));
    } else {
        const Outcome<Impedance> z = impedanceOf(in.size, in, tables);
        if (const auto* refusal = std::get_if<Refusal>(&z))
            return *refusal;
        imp = std::get<Impedance>(z);
    }

    if (in.find == DropFind::Length) {
        const double allowed = in.maxDropPercent / 100 * in.volts;
        const double maxFeet =
            allowed * 1000 * in.sets / (factorOf(in.system) * in.amperes * imp.z);
        const double inUnit =
            in.lengthUnit == LengthUnit::Metres ? maxFeet * kMetresPerFoot : maxFeet;
        if (!std::isfinite(maxFeet) || !std::isfinite(inUnit))
            return tooLarge();
        const double whole = std::floor(inUnit + slack(inUnit));
        lengthSteps << QStringLiteral(
                           "Maximum length = (%1 / 100 × %2) × 1000 × %3 / (%4 × %5 × %6) "
                           "= %7 ft")
                           .arg(percent(in.maxDropPercent), volts(in.volts), setsText(in.sets),
                                plain(factorOf(in.system), kFactorMask), amps(in.amperes), imp.text,
                                plain(maxFeet));
        if (in.lengthUnit == LengthUnit::Metres)
            lengthSteps
                << QStringLiteral("%1 ft × 0.3048 = %2 m").arg(plain(maxFeet), plain(inUnit));
        lengthSteps << QStringLiteral("Maximum length, rounded down: %1 %2")
                           .arg(formatMask(whole, kWholeMask), unit);
        r.maximumLength = whole;
        r.length = whole;
        feet = toFeet(whole);
    }

    const Drop d = dropOf(in, imp.z, feet);
    if (!std::isfinite(feet) || !finite(d))
        return tooLarge();
    r.dropVolts = d.volts;
    r.dropPercent = d.percent;
    r.loadVolts = d.atLoad;
    r.impedance = imp.z;
    r.steps = head + imp.steps + lengthSteps;
    if (in.lengthUnit == LengthUnit::Metres)
        r.steps << metresStep.arg(plain(r.length), plain(feet));
    r.steps += dropSteps(in, imp, feet, d);
    r.steps += sizeSteps;
    r.ampacity75 = ampacity75(in, r.size, tables.ampacity, r.steps);
    if (r.ampacity75 && !std::isfinite(*r.ampacity75))
        return tooLarge(); // an absurd number of sets
    return r;
}

std::vector<ConductorSize> impedanceSizes(const ImpedanceTable& table, Metal metal) {
    std::vector<ConductorSize> sizes;
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        bool complete = true;
        for (Raceway raceway : {Raceway::Pvc, Raceway::Aluminum, Raceway::Steel})
            complete = complete && table.resistance(row, metal, raceway) &&
                       table.impedanceAt85(row, metal, raceway);
        if (complete)
            sizes.push_back(table.rows[row].size);
    }
    return sizes;
}

bool parallelAllowed(const ConductorSize& size) {
    if (size.unit == u"kcmil")
        return true;
    return size.unit == u"AWG" && size.size.endsWith(QStringLiteral("/0"));
}

} // namespace Nec
