#pragma once

#include "nec/BoxTables.h"
#include "nec/RacewayTables.h"

// The tables of raceway and box fill read from the CSVs of data/reference, for the compute
// tests and fuzz targets.
namespace CodeTableCsv {

// raceway_areas_ch9_t4.csv joined with raceway_areas_ch9_t4_single_source.csv.
Nec::RacewayTable racewayAreas();
// conductor_areas_ch9_t5.csv, its single-source file, and the stranded rows of
// conductor_properties_ch9_t8.csv as "Bare".
Nec::ConductorAreaTable conductorAreas();
Nec::BoxAllowanceTable boxAllowances(); // box_fill_314_16_B.csv
Nec::MetalBoxTable metalBoxes();        // metal_boxes_314_16_A.csv

} // namespace CodeTableCsv
