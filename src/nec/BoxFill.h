#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "nec/BoxTables.h"
#include "nec/ConductorTables.h"

// Box fill by 314.16(B): the volume the conductors, clamps, support fittings, devices and
// grounding conductors of a box take, the smallest standard metal box of Table 314.16(A) that
// holds it, and whether a chosen box does.
namespace Nec {

// How many conductors of one size of Table 314.16(B) enter or pass through the box.
struct BoxConductorCount {
    ConductorSize size;
    double count = 0;
};

struct BoxFillInput {
    std::vector<BoxConductorCount> conductors;
    bool clamps = false;       // internal cable clamps
    bool fixtureStuds = false; // support fittings: one allowance per kind present
    bool hickeys = false;
    double devices = 0;                         // yokes or straps
    std::optional<ConductorSize> deviceSize;    // none: "Largest in box"
    double groundingConductors = 0;             // grounding conductors and bonding jumpers
    std::optional<ConductorSize> groundingSize; // none: "Largest in box"
    QString boxType;                            // a type of MetalBoxTable::types(); empty: "Any"
    std::optional<std::size_t> chosenBox;       // an index of MetalBoxTable::boxes; none: "None"
};

struct BoxFillResult {
    // The volumes, in³ (exact: quarters of two-decimal allowances).
    double conductors = 0;
    double clamps = 0;
    double supportFittings = 0;
    double devices = 0;
    double grounding = 0;
    double required = 0;
    // The smallest box of the chosen type (any type for "Any") that holds the required volume,
    // as an index of MetalBoxTable::boxes with its caption. When there is none, `noBoxMessage`
    // says so: the sheet shows it as a refusal, with the required volume still shown.
    std::optional<std::size_t> smallestBox;
    QString smallestBoxCaption;
    QString noBoxMessage;
    std::optional<double> chosenBoxVolume; // none for "None"
    QString chosenBoxLargeEnough;          // "Yes", "No", or empty for "None"
    QStringList steps;
};

// The box fill of `input` by Table 314.16(B) and 314.16(B)(1)-(5) (grounding conductors as 2020
// and later count them). Refuses a count that is not a whole number of 0 or more, clamps or
// fittings with no conductor counted, devices or grounding conductors sized "Largest in box"
// with no conductor counted, and sizes, types or boxes not in the tables. A required volume
// above every box is a result without a smallest box (see BoxFillResult::noBoxMessage).
Outcome<BoxFillResult> boxFill(const BoxFillInput& input, const BoxAllowanceTable& allowances,
                               const MetalBoxTable& boxes);

} // namespace Nec
