#pragma once

#include "ReferenceTable.h"

namespace refgen {

// Every table of the reference database, built from the CSVs in `dataDirectory` and checked:
// the three current tables copied (decimal cells only), MotorFrame, conduit and HPvTorque
// derived, the NEC code tables copied, and sources last. Throws GeneratorError at the first fault
// found.
QList<ReferenceTable> buildReferenceTables(const QString& dataDirectory);

} // namespace refgen
