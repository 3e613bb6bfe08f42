#pragma once

#include <QString>

// Whether a stored key equals the key a sheet formed: as numbers when both texts are plain
// decimals (".25" equals "0.25", "1.50" equals "1.5"; surrounding blanks ignored), otherwise as
// exact text ("th14", "56H").
bool referenceKeysEqual(const QString& stored, const QString& wanted);
