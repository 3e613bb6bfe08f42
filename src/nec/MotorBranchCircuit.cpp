#include "nec/MotorBranchCircuit.h"

#include <cmath>

#include "common/DisplayMask.h"
#include "nec/StepText.h"

namespace Nec {

namespace {

constexpr QStringView AmpsMask = u"#0.00";
constexpr QStringView WholeMask = u"#0";
constexpr double ConductorFactor = 1.25; // 430.22

using StepText::percent;
using StepText::positive;
using StepText::settle;

QString amps(double value) {
    return StepText::amperes(value, AmpsMask);
}
QString rating(double value) {
    return StepText::amperes(value);
}

// Motors marked with design letter B (squirrel cage, energy-efficient Design B) may use the 75°C
// column up to 100 A under 110.14(C)(1)(a)(4).
bool designLetterB(MotorType type) {
    return type == MotorType::SquirrelCage || type == MotorType::DesignBEnergyEfficient;
}

// The type as it reads inside a sentence.
QString typeName(MotorType type) {
    switch (type) {
    case MotorType::SinglePhase:
        return QStringLiteral("single-phase");
    case MotorType::SquirrelCage:
        return QStringLiteral("squirrel cage");
    case MotorType::DesignBEnergyEfficient:
        return QStringLiteral("Design B energy-efficient");
    case MotorType::Synchronous:
        return QStringLiteral("synchronous");
    case MotorType::WoundRotor:
        return QStringLiteral("wound rotor");
    case MotorType::DcConstantVoltage:
        return QStringLiteral("DC (constant voltage)");
    }
    return {};
}

QString deviceName(MotorDevice device) {
    return motorDeviceCaption(device).toLower();
}

struct Conductor {
    TempRating column;
    ConductorSize size;
};

std::variant<Conductor, Refusal> sizeConductor(double ampacity, const MotorInput& input,
                                               const AmpacityTable& table, QStringList& steps) {
    TempRating column = TempRating::C75;
    if (ampacity > 100) {
        steps << QStringLiteral("110.14(C)(1)(b): %1 is above 100 A: 75°C column")
                     .arg(amps(ampacity));
    } else if (designLetterB(input.type)) {
        steps << QStringLiteral("110.14(C)(1)(a)(4): %1 is 100 A or less and a %2 motor is "
                                "marked design letter B: 75°C column")
                     .arg(amps(ampacity), typeName(input.type));
    } else {
        column = TempRating::C60;
        steps << QStringLiteral("110.14(C)(1)(a): %1 is 100 A or less and a %2 motor is not "
                                "a design letter B motor: 60°C column")
                     .arg(amps(ampacity), typeName(input.type));
    }
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        const std::optional<double> carries = table.value(row, input.metal, column);
        if (!carries || *carries < ampacity)
            continue;
        steps << QStringLiteral("Table 310.16, %1, %2 column: %3 carries %4, at least %5")
                     .arg(metalName(input.metal), ratingCaption(column),
                          table.rows[row].size.caption(), rating(*carries), amps(ampacity));
        return Conductor{column, table.rows[row].size};
    }
    return Refusal{QStringLiteral("No single conductor in Table 310.16 carries %1 in the %2 %3 "
                                  "column.")
                       .arg(amps(ampacity), metalName(input.metal), ratingCaption(column))};
}

// The standard rating a device of at most `maximum` may take: the maximum itself, else the next
// higher rating 430.52(C)(1)(a) permits; past the table's last rating, the largest below.
std::optional<double> deviceRating(double maximum, MotorDevice device,
                                   const StandardRatings& ratings, QStringList& steps) {
    const bool fuse = isFuse(device);
    if (ratings.isRating(maximum, fuse)) {
        steps << QStringLiteral("Table 240.6(A): %1 is a standard rating, so the device is %1")
                     .arg(rating(maximum));
        return maximum;
    }
    if (const std::optional<double> next = ratings.atOrAbove(maximum, fuse)) {
        steps << QStringLiteral("430.52(C)(1)(a): %1 is not a standard rating; the next higher "
                                "240.6(A) rating, %2, is permitted")
                     .arg(amps(maximum), rating(*next));
        const std::optional<double> anyDevice = ratings.atOrAbove(maximum, true);
        if (!fuse && anyDevice && *anyDevice < *next)
            steps << QStringLiteral("Table 240.6(A): %1 is a rating for fuses only, not for a "
                                    "circuit breaker")
                         .arg(rating(*anyDevice));
        return next;
    }
    if (const std::optional<double> below = ratings.atOrBelow(maximum, fuse)) {
        steps << QStringLiteral("Table 240.6(A) has no rating above %1; the largest at or below "
                                "it is %2")
                     .arg(amps(maximum), rating(*below));
        return below;
    }
    return std::nullopt;
}

// 430.52(C)(1)(b): how far the rating may go when the chosen one will not start the motor;
// nothing when the chosen rating is already at or above that limit.
std::optional<QString> startingLimit(double flc, double chosen, MotorDevice device) {
    double limit = 0;
    QString kind;
    switch (device) {
    case MotorDevice::NontimeDelayFuse:
        limit = chosen <= 600 ? 400 : 300;
        kind = chosen <= 600 ? QStringLiteral("a nontime-delay fuse of 600 A or less")
                             : QStringLiteral("a fuse of 601 to 6000 A");
        break;
    case MotorDevice::DualElementFuse:
        limit = 225;
        kind = QStringLiteral("a dual-element fuse");
        break;
    case MotorDevice::InverseTimeBreaker:
        limit = flc <= 100 ? 400 : 300;
        kind = flc <= 100 ? QStringLiteral("an inverse time breaker on a full-load current of "
                                           "100 A or less")
                          : QStringLiteral("an inverse time breaker on a full-load current above "
                                           "100 A");
        break;
    case MotorDevice::InstantaneousTripBreaker:
        return std::nullopt;
    }
    const double amperes = settle(flc * limit / 100);
    if (amperes <= chosen)
        return std::nullopt;
    return QStringLiteral("430.52(C)(1)(b): if %1 will not start the motor, it may be raised, "
                          "but never above %2 (%3) for %4")
        .arg(rating(chosen), percent(limit), amps(amperes), kind);
}

std::optional<Refusal> overload(const MotorInput& input, const MotorOverloadTable& table,
                                MotorResult& result) {
    if (!input.nameplateCurrent) {
        result.steps << QStringLiteral("430.32(A)(1): the overload is sized from the nameplate "
                                       "current; enter it to get the overload");
        return std::nullopt;
    }
    const double nameplate = *input.nameplateCurrent;
    const MotorOverloadRow* row = nullptr;
    QString marking;
    if (input.serviceFactorOrTemperatureRise) {
        row = table.find(OverloadCondition::ServiceFactor);
        if (row == nullptr || !row->percent)
            row = table.find(OverloadCondition::TemperatureRise);
        marking = QStringLiteral("service factor 1.15 or more, or temperature rise 40°C or less");
    } else {
        row = table.find(OverloadCondition::Other);
        marking = QStringLiteral("all other motors");
    }
    if (row == nullptr || !row->percent)
        return Refusal{
            QStringLiteral("430.32(A)(1) gives no overload percentage for %1.").arg(marking)};
    const double trip = settle(nameplate * *row->percent / 100);
    if (!std::isfinite(trip))
        return Refusal{QStringLiteral("The nameplate current is too large.")};
    result.overload = trip;
    result.steps << QStringLiteral("430.32(A)(1), %1: %2 nameplate × %3 = %4")
                        .arg(marking, amps(nameplate), percent(*row->percent), amps(trip));
    if (row->limit)
        result.steps << QStringLiteral("430.32(C): where %1 will not start the motor or carry the "
                                       "load, up to %2 (%3)")
                            .arg(amps(trip), percent(*row->limit),
                                 amps(settle(nameplate * *row->limit / 100)));
    return std::nullopt;
}

std::optional<Refusal> groundingConductor(const MotorInput& input, const MotorTables& tables,
                                          MotorResult& result) {
    const double flc = result.fullLoadCurrent;
    double basis = 0;
    if (result.deviceRating) {
        basis = *result.deviceRating;
    } else {
        const std::optional<double> dualPercent =
            tables.ocpd.percent(input.type, MotorDevice::DualElementFuse);
        if (!dualPercent)
            return Refusal{QStringLiteral("Table 430.52(C)(1) gives no dual-element fuse "
                                          "percentage for a %1 motor.")
                               .arg(typeName(input.type))};
        const double fuseMaximum = settle(flc * *dualPercent / 100);
        const std::optional<double> fuse = tables.ratings.isRating(fuseMaximum, true)
                                               ? fuseMaximum
                                               : tables.ratings.atOrAbove(fuseMaximum, true);
        if (!fuse)
            return Refusal{
                QStringLiteral("Table 240.6(A) has no fuse rating for %1.").arg(amps(fuseMaximum))};
        basis = *fuse;
        result.steps << QStringLiteral("250.122(D)(1): an instantaneous trip breaker's grounding "
                                       "conductor is sized from the dual-element fuse the motor "
                                       "would take: %1 × %2 = %3, rated %4")
                            .arg(amps(flc), percent(*dualPercent), amps(fuseMaximum),
                                 rating(basis));
    }
    const EgcRow* row = tables.egc.firstAtOrAbove(basis);
    if (row == nullptr)
        return Refusal{
            QStringLiteral("Table 250.122 has no row for a %1 device.").arg(rating(basis))};
    const std::optional<ConductorSize>& size =
        input.metal == Metal::Copper ? row->copper : row->aluminum;
    if (!size)
        return Refusal{QStringLiteral("Table 250.122 gives no %1 size for the %2 row.")
                           .arg(metalName(input.metal), rating(row->ocpdMax))};
    result.groundingConductor = *size;
    result.groundingBasis = basis;
    result.steps << QStringLiteral("Table 250.122, %1 row (device %2), %3: %4")
                        .arg(rating(row->ocpdMax), rating(basis), metalName(input.metal),
                             size->caption());
    // Sizes compare by their place in Table 310.16, which runs smallest first.
    const std::optional<std::size_t> grounding = tables.ampacity.find(*size);
    const std::optional<std::size_t> circuit = tables.ampacity.find(result.conductorSize);
    if (grounding && circuit && *grounding > *circuit)
        result.steps << QStringLiteral("250.122(A): need not be larger than the %1 circuit "
                                       "conductors")
                            .arg(result.conductorSize.caption());
    return std::nullopt;
}

} // namespace

Outcome<MotorResult> motorBranchCircuit(const MotorInput& input, const MotorTables& tables) {
    const QString table = fullLoadTableName(input.supply);
    if (table.isEmpty())
        return Refusal{QStringLiteral("Pick a supply.")};
    if (!input.fullLoadCurrent) {
        const QString motor =
            input.horsepower.trimmed().isEmpty() || input.voltage.isEmpty()
                ? QStringLiteral("this motor")
                : QStringLiteral("%1 hp at %2").arg(input.horsepower.trimmed(), input.voltage);
        return Refusal{QStringLiteral("%1 gives no full-load current for %2.").arg(table, motor)};
    }
    if (!positive(*input.fullLoadCurrent))
        return Refusal{QStringLiteral("The full-load current must be a number above 0.")};
    if (input.nameplateCurrent && !positive(*input.nameplateCurrent))
        return Refusal{QStringLiteral("The nameplate current must be a number above 0.")};
    if (!motorTypeFits(input.supply, input.type))
        return Refusal{QStringLiteral("A %1 supply has no \"%2\" motor type.")
                           .arg(motorSupplyCaption(input.supply), motorTypeCaption(input.type))};

    MotorResult result;
    const double flc = *input.fullLoadCurrent;
    result.fullLoadCurrent = flc;
    result.typical = input.typical;
    const QString mark = input.typical ? TypicalMark.toString() : QString();
    QStringList motor{table};
    if (!input.horsepower.trimmed().isEmpty())
        motor << input.horsepower.trimmed() + QStringLiteral(" hp");
    if (!input.voltage.isEmpty())
        motor << input.voltage;
    result.steps << QStringLiteral("%1: full-load current %2%3")
                        .arg(motor.join(QStringLiteral(", ")), amps(flc), mark);
    if (input.typical)
        result.steps << TypicalFootnote.toString();

    // Conductor (430.22, 110.14(C)(1), Table 310.16).
    result.conductorAmpacity = settle(ConductorFactor * flc);
    if (!std::isfinite(result.conductorAmpacity))
        return Refusal{QStringLiteral("The full-load current is too large for Table 310.16.")};
    result.steps << QStringLiteral("430.22: conductor ampacity %1 × 125 % = %2")
                        .arg(amps(flc), amps(result.conductorAmpacity));
    const auto conductor =
        sizeConductor(result.conductorAmpacity, input, tables.ampacity, result.steps);
    if (const auto* refusal = std::get_if<Refusal>(&conductor))
        return *refusal;
    result.column = std::get<Conductor>(conductor).column;
    result.conductorSize = std::get<Conductor>(conductor).size;

    // Short-circuit and ground-fault device (Table 430.52(C)(1), 240.6(A)).
    const std::optional<double> devicePercent = tables.ocpd.percent(input.type, input.device);
    if (!devicePercent)
        return Refusal{QStringLiteral("Table 430.52(C)(1) gives no %1 value for a %2 motor.")
                           .arg(deviceName(input.device), typeName(input.type))};
    const MotorOcpdRow* row = tables.ocpd.find(input.type);
    result.devicePercent = *devicePercent;
    result.deviceMaximum = settle(flc * *devicePercent / 100);
    result.steps << QStringLiteral("Table 430.52(C)(1), %1, %2: %3 of full-load current")
                        .arg(row->label.isEmpty() ? motorTypeCaption(input.type) : row->label,
                             deviceName(input.device), percent(*devicePercent));
    result.steps << QStringLiteral("Device maximum: %1 × %2 = %3")
                        .arg(amps(flc), percent(*devicePercent), amps(result.deviceMaximum));
    if (input.device == MotorDevice::InstantaneousTripBreaker) {
        const bool designB = input.type == MotorType::DesignBEnergyEfficient;
        const double raised = designB ? 1700 : 1300; // percent, 430.52(C)(3)
        result.steps << QStringLiteral("430.52(C)(3): an instantaneous trip breaker is "
                                       "adjustable; set it at or below %1")
                            .arg(amps(result.deviceMaximum));
        result.steps << QStringLiteral("430.52(C)(3): permitted only as part of a listed "
                                       "combination motor controller; where that setting will not "
                                       "start the motor, up to %1 (%2)")
                            .arg(percent(raised), amps(settle(flc * raised / 100)));
    } else {
        result.deviceRating =
            deviceRating(result.deviceMaximum, input.device, tables.ratings, result.steps);
        if (!result.deviceRating)
            return Refusal{QStringLiteral("Table 240.6(A) has no standard rating for %1.")
                               .arg(amps(result.deviceMaximum))};
        if (const auto limit = startingLimit(flc, *result.deviceRating, input.device))
            result.steps << *limit;
    }

    if (const std::optional<Refusal> refusal = overload(input, tables.overload, result))
        return *refusal;
    if (const std::optional<Refusal> refusal = groundingConductor(input, tables, result))
        return *refusal;
    return result;
}

} // namespace Nec
