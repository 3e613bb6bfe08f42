#pragma once

#include <QtGlobal>
#include <array>
#include <span>

#include "common/FullLoadTables.h"
#include "common/GlobalSubs.h"

// Everything that tells the motor full-load current sheets apart: the AC sheet's single- and
// three-phase layouts and the DC sheet share one window and differ only in these rows.
struct MotorCurrentLayout {
    const char* formName;
    qint16 kind;
    const char* heading;
    const char* table;
    std::span<const HorsepowerOption> horsepowers;
    std::span<const int> shownHorsepowers; // top to bottom
    int horsepowerAtLoad;
    std::span<const qint16> voltages;
    std::span<const int> shownVoltages;
    int voltageAtLoad;
    // Rows whose values are typical manufacturer currents rather than code values.
    std::span<const int> typicalHorsepowers;
    const char* findButton;
    const char* clearButton;
};

namespace MotorCurrentLayouts {

using FullLoadTables::KeyField;
using FullLoadTables::TypicalFootnote;
using FullLoadTables::TypicalMark;

inline constexpr std::array<qint16, 5> AcVoltages{115, 208, 230, 460, 575};
inline constexpr std::array<qint16, 2> DcVoltages{115, 230};

inline constexpr std::array<int, 11> SinglePhaseHorsepowers{18, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
inline constexpr std::array<int, 18> ThreePhaseHorsepowers{0, 1,  2,  3,  4,  5,  6,  7,  8,
                                                           9, 10, 11, 12, 13, 14, 15, 16, 17};
inline constexpr std::array<int, 16> DcHorsepowers{0, 1, 2,  3,  4,  5,  6,  7,
                                                   8, 9, 10, 11, 12, 13, 14, 15};
inline constexpr std::array<int, 2> SinglePhaseVoltages{0, 2};
inline constexpr std::array<int, 4> ThreePhaseVoltages{1, 2, 3, 4};
inline constexpr std::array<int, 2> BothDcVoltages{0, 1};

inline constexpr MotorCurrentLayout SinglePhase{
    .formName = "frmFlcurrents",
    .kind = FormKind::Flcurrents,
    .heading = "Single-phase, AC Full Load Current",
    .table = FullLoadTables::SinglePhase.table,
    .horsepowers = FullLoadTables::SinglePhase.horsepowers,
    .shownHorsepowers = SinglePhaseHorsepowers,
    .horsepowerAtLoad = 18,
    .voltages = AcVoltages,
    .shownVoltages = SinglePhaseVoltages,
    .voltageAtLoad = 0,
    .typicalHorsepowers = FullLoadTables::SinglePhase.typicalHorsepowers,
    .findButton = "cmdFinda3p",
    .clearButton = "cmdClear3p",
};

inline constexpr MotorCurrentLayout ThreePhase{
    .formName = "frmFlcurrents",
    .kind = FormKind::Flcurrents,
    .heading = "3-phase, AC Full Load Current",
    .table = FullLoadTables::ThreePhase.table,
    .horsepowers = FullLoadTables::ThreePhase.horsepowers,
    .shownHorsepowers = ThreePhaseHorsepowers,
    .horsepowerAtLoad = 0,
    .voltages = AcVoltages,
    .shownVoltages = ThreePhaseVoltages,
    .voltageAtLoad = 1,
    .typicalHorsepowers = FullLoadTables::ThreePhase.typicalHorsepowers,
    .findButton = "cmdFinda3p",
    .clearButton = "cmdClear3p",
};

inline constexpr MotorCurrentLayout DCMotor{
    .formName = "frmDCMotorSpecs",
    .kind = FormKind::DCMotorSpecs,
    .heading = "DC Motor, Full Load Amps",
    .table = FullLoadTables::DC.table,
    .horsepowers = FullLoadTables::DC.horsepowers,
    .shownHorsepowers = DcHorsepowers,
    .horsepowerAtLoad = 0,
    .voltages = DcVoltages,
    .shownVoltages = BothDcVoltages,
    .voltageAtLoad = 0,
    .typicalHorsepowers = FullLoadTables::DC.typicalHorsepowers,
    .findButton = "cmdFindA",
    .clearButton = "cmdClear",
};

} // namespace MotorCurrentLayouts
