#pragma once

#include "electrical/PowerSheet.h"

// The current sheet: the line current from KVA, from KW and power factor, and from horsepower,
// power factor and efficiency, single- or three-phase.
class frm3PCurrent : public PowerSheet {
    Q_OBJECT
public:
    explicit frm3PCurrent(QWidget* parent = nullptr);
};
