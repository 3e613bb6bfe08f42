#pragma once

#include "nec/AmpacityTables.h"
#include "nec/ImpedanceTables.h"

class Recordset;

// Readers of the tables only the conductor ampacity and voltage-drop sheets use, beside the
// shared ones in CodeTableReader.h. An empty cell stays an empty optional.
namespace CodeTableReader {

Nec::TempCorrectionTable temperatureCorrection(Recordset& table); // temp_correction_310_15_B_1
Nec::AdjustmentTable adjustment(Recordset& table);                // adjustment_310_15_C_1
Nec::SmallConductorLimits smallConductorLimits(Recordset& table); // small_conductor_240_4D
Nec::ImpedanceTable impedance(Recordset& table);                  // ac_resistance_reactance_ch9_t9
Nec::DcResistanceTable dcResistance(Recordset& table);            // conductor_properties_ch9_t8

} // namespace CodeTableReader
