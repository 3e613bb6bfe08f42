#pragma once

#include "electrical/PowerSheet.h"

// The efficiency sheet: a motor's efficiency from its horsepower, current and power factor, and
// its power factor from horsepower and current, single- or three-phase.
class frmEff : public PowerSheet {
    Q_OBJECT
public:
    explicit frmEff(QWidget* parent = nullptr);
};
