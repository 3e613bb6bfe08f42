#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "common/FullLoadTables.h"
#include "nec/ConductorTables.h"

// The code tables of the motor branch circuit, as plain values: Table 430.52(C)(1), 430.32(A)(1)
// and (C), and Table 250.122. Also the choices the motor sheet offers, with their captions and
// the keys the tables use for them.
namespace Nec {

enum class MotorSupply { SinglePhase, ThreePhase, DC };

// The motor rows of Table 430.52(C)(1).
enum class MotorType {
    SinglePhase,
    SquirrelCage,
    DesignBEnergyEfficient,
    Synchronous,
    WoundRotor,
    DcConstantVoltage,
};

// The device columns of Table 430.52(C)(1).
enum class MotorDevice {
    NontimeDelayFuse,
    DualElementFuse,
    InstantaneousTripBreaker,
    InverseTimeBreaker,
};

// The motor types a supply offers, in the sheet's order: single phase "Single-phase"; three
// phase "Squirrel cage", "Design B energy-efficient", "Synchronous", "Wound rotor"; DC
// "DC (constant voltage)".
std::vector<MotorType> motorTypes(MotorSupply supply);
// The captions of motorTypes(supply), in the same order.
QStringList motorTypeCaptions(MotorSupply supply);
QString motorTypeCaption(MotorType type);
// The `motor_type` key of the type's row in motor_ocpd_430_52.csv.
QString motorTypeKey(MotorType type);
// True when the supply offers the type.
bool motorTypeFits(MotorSupply supply, MotorType type);

// "Nontime-delay fuse", "Dual-element fuse", "Instantaneous trip breaker", "Inverse time breaker".
QString motorDeviceCaption(MotorDevice device);
// The column of motor_ocpd_430_52.csv that holds the device's percentages.
QString motorDeviceColumn(MotorDevice device);
// True for the two fuses, which may take the fuse-only 240.6(A) ratings.
bool isFuse(MotorDevice device);

// "Single phase", "Three phase", "DC".
QString motorSupplyCaption(MotorSupply supply);
// The full-load current table of the supply: "Table 430.248", "Table 430.250", "Table 430.247".
QString fullLoadTableName(MotorSupply supply);

// The mark and footnote of the typical (manufacturer) currents in the full-load tables.
inline constexpr QLatin1StringView TypicalMark{FullLoadTables::TypicalMark};
inline constexpr QLatin1StringView TypicalFootnote{FullLoadTables::TypicalFootnote};

// Table 430.52(C)(1): percent of the full-load current. A heading row (the AC polyphase group)
// has empty cells and is the `parent` of the rows under it.
struct MotorOcpdRow {
    QString motorType;                            // motor_type key
    QString parent;                               // the heading row's key, or empty
    QString label;                                // as printed
    std::array<std::optional<double>, 4> percent; // indexed by MotorDevice
};

struct MotorOcpdTable {
    std::vector<MotorOcpdRow> rows;

    // The type's row, or nothing when the table lacks it.
    const MotorOcpdRow* find(MotorType type) const;
    // The type's percentage for the device; nothing for a missing row or an empty cell.
    std::optional<double> percent(MotorType type, MotorDevice device) const;
};

// 430.32: the overload trip as percent of the nameplate current, by the motor's marking.
enum class OverloadCondition { ServiceFactor, TemperatureRise, Other };

// The condition a printed 430.32 row is for: "...service factor...", "...temperature rise...",
// else all other motors.
OverloadCondition overloadConditionOf(const QString& label);

struct MotorOverloadRow {
    OverloadCondition condition = OverloadCondition::Other;
    QString label;                 // as printed
    std::optional<double> percent; // 430.32(A)(1)
    std::optional<double> limit;   // 430.32(C), when (A)(1) will not start the motor
};

struct MotorOverloadTable {
    std::vector<MotorOverloadRow> rows;

    // The first row for the condition, or nothing.
    const MotorOverloadRow* find(OverloadCondition condition) const;
};

// Table 250.122: the smallest equipment grounding conductor by the rating of the device ahead
// of it ("not exceeding" `ocpdMax` amperes). Rows ascending.
struct EgcRow {
    double ocpdMax = 0;
    std::optional<ConductorSize> copper;
    std::optional<ConductorSize> aluminum;
};

struct EgcTable {
    std::vector<EgcRow> rows;

    // The first row whose rating is at or above `amperes`, or nothing.
    const EgcRow* firstAtOrAbove(double amperes) const;
};

// A size as Table 250.122 prints it ("14", "1/0", "250") with its unit: kcmil from 250 up, AWG
// below and for the "n/0" sizes. Empty text gives nothing.
std::optional<ConductorSize> conductorSizeFromBare(const QString& size);

} // namespace Nec
