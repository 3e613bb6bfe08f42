#include "electrical/frmKVA.h"

#include "common/DisplayMask.h"
#include "common/GlobalSubs.h"
#include "electrical/PowerFromCurrent.h"

namespace {
using Section::Shows;

constexpr std::array<Section::Layout, 2> sections{{
    {"Frame2",
     "KVA",
     "fraVolts",
     "optVolts",
     {{{"I =", "Label1", "txtAmps", nullptr}}},
     1,
     {0},
     "lblKVAFormula",
     "KVA=I*E*1.732/1000",
     "KVA=I*E/1000",
     "cmdClear",
     "cmdCalculate",
     "Frame1",
     {{{"lblVoltage", "E(Volts)", 1, Shows::Volts, Mask::Volts, false},
       {"lblAmps", "I(Amperes)", 2, Shows::Entry0, Mask::Amperes, false},
       {"lblKVA", "KVA", 0, Shows::Result, Mask::OneToTwoDecimals, false}}},
     3,
     [](const Section::Values& v, double volts, bool threePhase) {
         return PowerFromCurrent::kva(v[0], volts, threePhase);
     },
     nullptr},
    {"Frame6",
     "KW",
     "Frame8",
     "optVoltsKW",
     {{{"I =", "Label12", "txtAmpsKW", nullptr},
       {"Power Factor =", "Label11", "txtPF", "Label10"}}},
     2,
     {1, 0}, // the power factor is read first
     "lblKWFormula",
     "KW=I*E*PF*1.732/1000",
     "KW=I*E*PF/1000",
     "cmdClearKW",
     "cmdCalculateKW",
     "Frame7",
     {{{"lblVoltageKW", "E(Volts)", 9, Shows::Volts, Mask::Volts, false},
       {"lblAmpsKW", "I(Amperes)", 8, Shows::Entry0, Mask::Amperes, false},
       {"lblPF", "PF", 10, Shows::Entry1, Mask::Percent, false},
       {"lblKW", "KW", 7, Shows::Result, Mask::OneToTwoDecimals, false}}},
     4,
     [](const Section::Values& v, double volts, bool threePhase) {
         return PowerFromCurrent::kw(v[0], v[1], volts, threePhase);
     },
     nullptr},
}};

constexpr SheetLayout sheet{FormKind::KVA,
                            "frmKVA",
                            "lblHeading",
                            "3-Phase Power Calculations",
                            "Single-Phase Power Calculations",
                            sections};
} // namespace

frmKVA::frmKVA(QWidget* parent) : PowerSheet(sheet, parent) {}
