#pragma once

#include "nec/BoxTables.h"
#include "nec/RacewayTables.h"

class Recordset;

// Reads the tables of raceway and box fill from the reference database. Chapter 9 Tables 4 and 5
// are stored joined, a row found in one source marked in `one_source`; they are split on that
// mark and joined again by the compute layer's own merge, the one the CSV-based tests use.
namespace CodeTableReader {

Nec::RacewayTable racewayAreas(Recordset& table4); // raceway_areas_ch9_t4
// conductor_areas_ch9_t5, with the stranded rows of conductor_properties_ch9_t8 as "Bare".
Nec::ConductorAreaTable conductorAreas(Recordset& table5, Recordset& table8);
Nec::BoxAllowanceTable boxAllowances(Recordset& table); // box_fill_314_16_B
Nec::MetalBoxTable metalBoxes(Recordset& table);        // metal_boxes_314_16_A

} // namespace CodeTableReader
