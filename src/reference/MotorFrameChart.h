#pragma once

#include <QString>
#include <array>

#include "database/Recordset.h"
#include "database/TableNames.h"

// The MotorFrame table as the frame sheet reads it: the key and the seven dimension fields, in
// the order the chart shows them.
namespace MotorFrameChart {

inline constexpr int Columns = 8;
inline constexpr int Rows = 5;
inline constexpr std::array<const char*, Columns> fields{"MotorFrame", "D", "E",   "F",
                                                         "U",          "V", "M+N", "Keyway"};
inline constexpr const char* table = TableNames::MotorFrame.data();
inline constexpr const char* pastTheEnd = "...";

struct Row {
    std::array<QString, Columns> cells;
    bool chosen = false; // the frame picked from the list: shown in bold
};

// From the chosen frame's row (the table's current row), steps back up to two rows without
// passing the start, then reads five rows forward; rows past the end show "..." in every cell.
// The cursor never moves beyond either end of the table.
std::array<Row, Rows> walk(Recordset& table, const QString& chosenFrame);

} // namespace MotorFrameChart
