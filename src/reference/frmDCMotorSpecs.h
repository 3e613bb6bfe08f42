#pragma once

#include "reference/MotorCurrentSheet.h"

// The DC motor full-load current sheet, 115 V or 230 V.
class frmDCMotorSpecs : public MotorCurrentSheet {
public:
    explicit frmDCMotorSpecs(QWidget* parent = nullptr, const QString& databasePath = {});

    void cmdFindA_Click() { findCurrent(); }
    void cmdClear_Click() { clearHistory(); }
};
