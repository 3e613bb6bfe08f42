#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "nec/ConductorTables.h"

// The tables of 314.16 as plain values: the volume allowance per conductor (Table 314.16(B))
// and the standard metal boxes (Table 314.16(A)).
namespace Nec {

// One row of Table 314.16(B): the box volume one conductor of `size` takes.
struct BoxAllowance {
    ConductorSize size; // "12" AWG
    double volume = 0;  // in³
};

struct BoxAllowanceTable {
    std::vector<BoxAllowance> rows; // smallest conductor first, as the table prints them

    // The row of `size`, or nothing.
    std::optional<std::size_t> find(const ConductorSize& size) const;
};

// One box of Table 314.16(A).
struct MetalBox {
    QString tradeSize; // "4 × 1½", "3 × 2 × 2½", "1¾"
    QString type;      // "round/octagonal", "square", "device", "FS — single cover/gang", ...
    double volume = 0; // minimum volume, in³

    QString caption() const { return tradeSize + u' ' + type; } // "4 × 1½ square"
};

struct MetalBoxTable {
    std::vector<MetalBox> boxes; // in table order

    // The box types in table order, each once.
    QStringList types() const;
};

} // namespace Nec
