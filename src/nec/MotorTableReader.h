#pragma once

#include <QString>
#include <QStringList>

#include "nec/MotorBranchCircuit.h"
#include "nec/MotorTables.h"
#include "nec/TransformerProtection.h"

class Recordset;
class SheetTables;

// Reads the motor branch circuit and transformer tables from the reference database into the
// compute layers' value types. Cells are read as stored; an empty cell stays empty.
namespace CodeTableReader {

Nec::MotorOcpdTable motorOcpd(Recordset& table);             // motor_ocpd_430_52
Nec::MotorOverloadTable motorOverload(Recordset& table);     // motor_overload_430_32
Nec::EgcTable egc(Recordset& table);                         // egc_250_122
Nec::TransformerOcpdTable transformerOcpd(Recordset& table); // transformer_ocpd_450_3_B

// The code tables the motor sheet hands the compute layer, read from the sheet's open tables.
Nec::MotorTables motorTables(SheetTables& tables);

} // namespace CodeTableReader
