#pragma once

#include "ReferenceTable.h"

namespace refgen {

struct CsvFile;

// The sources table (TableName, Source, Citation, Edition, Notes), so a sheet can say where its
// numbers come from (the short Citation is its "Source:" line). A table may have several rows
// (one per source). Throws GeneratorError when a row names a table that is not in `tables`, when
// one of `tables` has no row, or a source is blank.
ReferenceTable sourcesTable(const CsvFile& sources, const QList<ReferenceTable>& tables);

} // namespace refgen
