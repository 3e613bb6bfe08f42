#pragma once

#include "ReferenceTable.h"

namespace refgen {

// Writes the tables, rows in list order, into a new SQLite file at `path`. The file is built
// under a temporary name in the same folder and renamed over `path` only when complete, so a
// failed run leaves any earlier database as it was and no half-written one. Throws
// GeneratorError on any failure.
void writeDatabase(const QList<ReferenceTable>& tables, const QString& path);

} // namespace refgen
