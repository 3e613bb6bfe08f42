#pragma once

#include "nec/AmpacityTables.h"
#include "nec/ConductorAmpacity.h"
#include "nec/ImpedanceTables.h"
#include "nec/VoltageDrop.h"

// Readers of the tables of the ampacity and voltage-drop calculations, from data/reference.
namespace CodeTableCsv {

Nec::TempCorrectionTable temperatureCorrection(); // temp_correction_310_15_B_1.csv
Nec::AdjustmentTable adjustment();                // adjustment_310_15_C_1.csv
Nec::SmallConductorLimits smallConductorLimits(); // small_conductor_240_4D.csv
Nec::ImpedanceTable impedance();                  // ac_resistance_reactance_ch9_t9.csv
Nec::DcResistanceTable dcResistance();            // conductor_properties_ch9_t8.csv
Nec::ConductorAmpacityTables conductorAmpacityTables();
Nec::VoltageDropTables voltageDropTables();

} // namespace CodeTableCsv
