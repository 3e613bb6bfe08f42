#pragma once

#include "ReferenceTable.h"

namespace refgen {

struct CsvFile;

// The conduit table, computed: one row per key of `keys` (ConductorSize, wire_size, and
// conductor_types, the insulation types of the key's group separated by ";"), one integer field
// per trade size of `conduitAreas` (trade_size, area_100pct_sq_in) in that file's order. Each
// count uses the largest area that `conductorAreas` (type, size, area_sq_in) gives for the
// group's types at that wire size, so it holds for every type of the group.
ReferenceTable conduitTable(const CsvFile& keys, const CsvFile& conduitAreas,
                            const CsvFile& conductorAreas);

} // namespace refgen
