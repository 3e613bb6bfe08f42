#pragma once

#include "ReferenceTable.h"

namespace refgen {

// The NEC code tables, each copied from the CSV of its name and checked: keys filled and unique,
// number cells plain decimals, marks "yes" or empty. Chapter 9 Tables 4 and 5 each join two
// files, the rows two sources confirm and the rows resting on one, marked "yes" in an added
// field `one_source`. Throws GeneratorError at the first fault found.
QList<ReferenceTable> codeTables(const QString& dataDirectory);

} // namespace refgen
