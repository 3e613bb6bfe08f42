#pragma once

#include "nec/MotorBranchCircuit.h"
#include "nec/MotorTables.h"
#include "nec/TransformerProtection.h"

// The motor branch circuit and transformer tables read from their CSVs, for the compute tests
// and fuzz targets.
namespace CodeTableCsv {

Nec::MotorOcpdTable motorOcpd();             // motor_ocpd_430_52.csv
Nec::MotorOverloadTable motorOverload();     // motor_overload_430_32.csv
Nec::EgcTable egc();                         // egc_250_122.csv
Nec::TransformerOcpdTable transformerOcpd(); // transformer_ocpd_450_3_B.csv
Nec::MotorTables motorTables();              // all the motor sheet uses, 310.16 and 240.6(A) too

} // namespace CodeTableCsv
