#pragma once

#include "reference/MotorCurrentSheet.h"

// The AC full-load current sheet. It reads the supply system from GlobalSubs::ThreePhase once,
// when it loads: -1 gives the three-phase table and layout, anything else the single-phase one.
class frmFlcurrents : public MotorCurrentSheet {
public:
    explicit frmFlcurrents(QWidget* parent = nullptr, const QString& databasePath = {});

    void cmdFinda3p_Click() { findCurrent(); }
    void cmdClear3p_Click() { clearHistory(); }
};
