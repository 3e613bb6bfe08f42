#pragma once

#include <QString>
#include <QStringView>

#include "nec/ConductorTables.h"

// How the worked steps of the code calculations write their numbers, and the small numeric
// checks they share. Every number goes through the display masks, so no step shows "inf" or
// "nan": callers refuse non-finite values first.
namespace Nec::StepText {

// A number without trailing zeros or point: "480", "0.2388" (at most the mask's decimals).
QString plain(double value, QStringView mask = u"#0.##");
// "17.5 A" through `mask`; whole amperes ("35 A") by default, as device ratings are written.
QString amperes(double value, QStringView mask = u"#0");
// "125 %": percentages of the code tables are whole.
QString percent(double value);
// "12 AWG copper".
QString conductorName(const ConductorSize& size, Metal metal);

// Finite and above zero.
bool positive(double value);
// A product of table values rounded to a millionth, so 7.6 A × 250 % stays the 19 A it stands
// for and lands on a standard rating or a table boundary exactly.
double settle(double value);
// The room a comparison against `reference` leaves for those last bits.
double slack(double reference);
// True when `value` reaches `limit`, allowing for the last bits of a product of two-decimal
// factors (30 × 0.91 × 0.80).
bool atLeast(double value, double limit);

} // namespace Nec::StepText
