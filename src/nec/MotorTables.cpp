#include "nec/MotorTables.h"

#include <QRegularExpression>
#include <algorithm>

namespace Nec {

std::vector<MotorType> motorTypes(MotorSupply supply) {
    switch (supply) {
    case MotorSupply::SinglePhase:
        return {MotorType::SinglePhase};
    case MotorSupply::ThreePhase:
        return {MotorType::SquirrelCage, MotorType::DesignBEnergyEfficient, MotorType::Synchronous,
                MotorType::WoundRotor};
    case MotorSupply::DC:
        return {MotorType::DcConstantVoltage};
    }
    return {};
}

QStringList motorTypeCaptions(MotorSupply supply) {
    QStringList captions;
    for (MotorType type : motorTypes(supply))
        captions << motorTypeCaption(type);
    return captions;
}

QString motorTypeCaption(MotorType type) {
    switch (type) {
    case MotorType::SinglePhase:
        return QStringLiteral("Single-phase");
    case MotorType::SquirrelCage:
        return QStringLiteral("Squirrel cage");
    case MotorType::DesignBEnergyEfficient:
        return QStringLiteral("Design B energy-efficient");
    case MotorType::Synchronous:
        return QStringLiteral("Synchronous");
    case MotorType::WoundRotor:
        return QStringLiteral("Wound rotor");
    case MotorType::DcConstantVoltage:
        return QStringLiteral("DC (constant voltage)");
    }
    return {};
}

QString motorTypeKey(MotorType type) {
    switch (type) {
    case MotorType::SinglePhase:
        return QStringLiteral("single_phase");
    case MotorType::SquirrelCage:
        return QStringLiteral("squirrel_cage_other_than_design_b_energy_efficient");
    case MotorType::DesignBEnergyEfficient:
        return QStringLiteral("design_b_energy_efficient");
    case MotorType::Synchronous:
        return QStringLiteral("synchronous");
    case MotorType::WoundRotor:
        return QStringLiteral("wound_rotor");
    case MotorType::DcConstantVoltage:
        return QStringLiteral("dc_constant_voltage");
    }
    return {};
}

bool motorTypeFits(MotorSupply supply, MotorType type) {
    const std::vector<MotorType> types = motorTypes(supply);
    return std::find(types.begin(), types.end(), type) != types.end();
}

QString motorDeviceCaption(MotorDevice device) {
    switch (device) {
    case MotorDevice::NontimeDelayFuse:
        return QStringLiteral("Nontime-delay fuse");
    case MotorDevice::DualElementFuse:
        return QStringLiteral("Dual-element fuse");
    case MotorDevice::InstantaneousTripBreaker:
        return QStringLiteral("Instantaneous trip breaker");
    case MotorDevice::InverseTimeBreaker:
        return QStringLiteral("Inverse time breaker");
    }
    return {};
}

QString motorDeviceColumn(MotorDevice device) {
    switch (device) {
    case MotorDevice::NontimeDelayFuse:
        return QStringLiteral("nontime_delay_fuse");
    case MotorDevice::DualElementFuse:
        return QStringLiteral("dual_element_fuse");
    case MotorDevice::InstantaneousTripBreaker:
        return QStringLiteral("instantaneous_trip_breaker");
    case MotorDevice::InverseTimeBreaker:
        return QStringLiteral("inverse_time_breaker");
    }
    return {};
}

bool isFuse(MotorDevice device) {
    return device == MotorDevice::NontimeDelayFuse || device == MotorDevice::DualElementFuse;
}

QString motorSupplyCaption(MotorSupply supply) {
    switch (supply) {
    case MotorSupply::SinglePhase:
        return QStringLiteral("Single phase");
    case MotorSupply::ThreePhase:
        return QStringLiteral("Three phase");
    case MotorSupply::DC:
        return QStringLiteral("DC");
    }
    return {};
}

QString fullLoadTableName(MotorSupply supply) {
    switch (supply) {
    case MotorSupply::SinglePhase:
        return QStringLiteral("Table 430.248");
    case MotorSupply::ThreePhase:
        return QStringLiteral("Table 430.250");
    case MotorSupply::DC:
        return QStringLiteral("Table 430.247");
    }
    return {};
}

const MotorOcpdRow* MotorOcpdTable::find(MotorType type) const {
    const QString key = motorTypeKey(type);
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const MotorOcpdRow& r) { return r.motorType == key; });
    return it == rows.end() ? nullptr : &*it;
}

std::optional<double> MotorOcpdTable::percent(MotorType type, MotorDevice device) const {
    const MotorOcpdRow* row = find(type);
    const auto column = static_cast<std::size_t>(device);
    if (row == nullptr || column >= row->percent.size())
        return std::nullopt;
    return row->percent[column];
}

OverloadCondition overloadConditionOf(const QString& label) {
    if (label.contains(QStringLiteral("service factor"), Qt::CaseInsensitive))
        return OverloadCondition::ServiceFactor;
    if (label.contains(QStringLiteral("temperature rise"), Qt::CaseInsensitive))
        return OverloadCondition::TemperatureRise;
    return OverloadCondition::Other;
}

const MotorOverloadRow* MotorOverloadTable::find(OverloadCondition condition) const {
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const MotorOverloadRow& r) {
        return r.condition == condition;
    });
    return it == rows.end() ? nullptr : &*it;
}

const EgcRow* EgcTable::firstAtOrAbove(double amperes) const {
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const EgcRow& r) { return r.ocpdMax >= amperes; });
    return it == rows.end() ? nullptr : &*it;
}

std::optional<ConductorSize> conductorSizeFromBare(const QString& size) {
    const QString bare = size.trimmed();
    if (bare.isEmpty())
        return std::nullopt;
    static const QRegularExpression aughts(QStringLiteral("^[1-9]/0$"));
    if (aughts.match(bare).hasMatch())
        return ConductorSize{bare, QStringLiteral("AWG")};
    bool ok = false;
    const double number = bare.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    // The table's gauges run 14 to 1; its circular-mil sizes start at 250 kcmil.
    return ConductorSize{bare, number >= 250 ? QStringLiteral("kcmil") : QStringLiteral("AWG")};
}

} // namespace Nec
