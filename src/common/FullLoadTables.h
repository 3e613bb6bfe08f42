#pragma once

#include <array>
#include <span>

#include "common/HorsepowerOptions.h"
#include "database/TableNames.h"

// The motor full-load current tables of the reference database as every sheet that reads them
// shares them: the key field, the captions of the tables' horsepower keys, and the rows that hold
// typical manufacturer currents rather than code values, with their mark and footnote.
namespace FullLoadTables {

inline constexpr const char* KeyField = "Hp";
inline constexpr const char* TypicalMark = "*";
inline constexpr const char* TypicalFootnote = "* typical value, not a code value";

struct FullLoadTable {
    const char* table;
    // The captions of the table's horsepower keys.
    std::span<const HorsepowerOption> horsepowers;
    // Options of `horsepowers` whose rows are typical currents.
    std::span<const int> typicalHorsepowers;
};

// 1/4 and 1/3 hp: the code's three-phase table starts at 1/2 hp.
inline constexpr std::array<int, 2> ThreePhaseTypical{0, 1};

inline constexpr FullLoadTable SinglePhase{
    TableNames::SinglePhaseFullLoad.data(), HorsepowerOptions::FullLoadCurrent, {}};
inline constexpr FullLoadTable ThreePhase{TableNames::ThreePhaseFullLoad.data(),
                                          HorsepowerOptions::FullLoadCurrent, ThreePhaseTypical};
inline constexpr FullLoadTable DC{TableNames::DCFullLoad.data(), HorsepowerOptions::DCMotor, {}};

} // namespace FullLoadTables
