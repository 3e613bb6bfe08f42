#pragma once

#include <QString>
#include <optional>

#include "nec/ConductorTables.h"

class Recordset;

// Reads code tables from the reference database into the compute layers' value types. Cells are
// stored as the sources print them; an empty cell stays empty.
namespace CodeTableReader {

// A stored cell as a number; nothing for an empty cell.
std::optional<double> number(const QString& cell);

Nec::AmpacityTable ampacity(Recordset& table);          // ampacity_310_16
Nec::StandardRatings standardRatings(Recordset& table); // standard_ocpd_240_6_A

} // namespace CodeTableReader
