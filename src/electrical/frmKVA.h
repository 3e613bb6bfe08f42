#pragma once

#include "electrical/PowerSheet.h"

// The power sheet: KVA, and KW with a power factor, from the line current, single- or
// three-phase.
class frmKVA : public PowerSheet {
    Q_OBJECT
public:
    explicit frmKVA(QWidget* parent = nullptr);
};
