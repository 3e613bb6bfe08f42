#include "reference/frmDCMotorSpecs.h"

frmDCMotorSpecs::frmDCMotorSpecs(QWidget* parent, const QString& databasePath)
    : MotorCurrentSheet(MotorCurrentLayouts::DCMotor, parent, databasePath) {}
