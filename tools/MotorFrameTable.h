#pragma once

#include "ReferenceTable.h"

namespace refgen {

struct CsvFile;

// The MotorFrame table: the frames CSV (MotorFrame, D, E, F, U, V, Keyway, in fractions of an
// inch) with M+N added after V. M+N = BA + N-W from the extended MG 1 columns, the distance from
// the centre line of the mounting holes nearest the shaft to the end of the shaft.
// The fractions are checked against the extended file's decimals (V against N-W), so a slip in
// either file stops the build. Every frame must appear in both files.
ReferenceTable motorFrameTable(const CsvFile& frames, const CsvFile& extended);

} // namespace refgen
