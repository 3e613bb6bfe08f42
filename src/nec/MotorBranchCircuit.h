#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "nec/ConductorTables.h"
#include "nec/MotorTables.h"

// A single continuous-duty motor's branch circuit: conductor (430.22, 110.14(C)(1)), short-circuit
// and ground-fault device (Table 430.52(C)(1), 240.6(A)), overload (430.32(A)(1)) and equipment
// grounding conductor (Table 250.122), from the full-load current of Tables 430.247 to 430.250.
namespace Nec {

struct MotorInput {
    // The full-load table's cell for the supply, voltage and horsepower; nothing when the table
    // leaves it empty.
    std::optional<double> fullLoadCurrent;
    bool typical = false; // the cell is a typical value marked "*", not a code value
    MotorSupply supply = MotorSupply::ThreePhase;
    QString voltage;    // caption as the full-load sheets show it, "460V"
    QString horsepower; // caption as the full-load sheets show it, "7 1/2"
    MotorType type = MotorType::SquirrelCage;
    MotorDevice device = MotorDevice::InverseTimeBreaker;
    Metal metal = Metal::Copper;
    std::optional<double> nameplateCurrent;      // nothing when the entry is empty
    bool serviceFactorOrTemperatureRise = false; // service factor 1.15+ or rise 40°C or less
};

struct MotorTables {
    AmpacityTable ampacity;
    StandardRatings ratings;
    MotorOcpdTable ocpd;
    MotorOverloadTable overload;
    EgcTable egc;
};

// What "Device rating (A)" shows for an instantaneous trip breaker, which is set, not rated.
inline constexpr QStringView SettingText = u"setting";

struct MotorResult {
    double fullLoadCurrent = 0;
    bool typical = false;
    double conductorAmpacity = 0;
    ConductorSize conductorSize;
    TempRating column = TempRating::C75; // the Table 310.16 column the size was read from
    double devicePercent = 0;
    double deviceMaximum = 0;
    std::optional<double> deviceRating; // nothing for an instantaneous trip breaker ("setting")
    std::optional<double> overload;     // nothing without a nameplate current
    ConductorSize groundingConductor;
    double groundingBasis = 0; // the rating Table 250.122 was entered with
    QStringList steps;
};

// The branch circuit of one motor, or the refusal: no full-load current, a non-positive or
// non-finite number, a motor type the supply does not offer, a table cell with no value, or a
// conductor no Table 310.16 size carries.
Outcome<MotorResult> motorBranchCircuit(const MotorInput& input, const MotorTables& tables);

} // namespace Nec
