#pragma once

#include <QString>
#include <optional>

#include "CsvFile.h"
#include "nec/ConductorTables.h"

// The code tables the compute tests and fuzz targets use, read from the CSVs the reference
// database is built from, so they see exactly the values the shipped program does.
namespace CodeTableCsv {

// A CSV of data/reference by file name.
refgen::CsvFile read(const QString& fileName);
// A cell as a number; an empty cell is nothing.
std::optional<double> number(const QString& cell);

Nec::AmpacityTable ampacity();          // ampacity_310_16.csv
Nec::StandardRatings standardRatings(); // standard_ocpd_240_6_A.csv

} // namespace CodeTableCsv
