#include "electrical/frm3PCurrent.h"

#include "common/DisplayMask.h"
#include "common/GlobalSubs.h"
#include "electrical/LineCurrent.h"

namespace {
using Section::Shows;

constexpr std::array<Section::Layout, 3> sections{{
    {"Frame2",
     "Given KVA:",
     "fraVolts",
     "optVolts",
     {{{"KVA =", "Label1", "txtKVA", nullptr}}},
     1,
     {0},
     "lblKVAFormula",
     "I=KVA*1000/(E*1.732)",
     "I=KVA*1000/(E)",
     "cmdClear",
     "cmdCalculate",
     "Frame1",
     {{{"lblKVA", "KVA", 0, Shows::Entry0, Mask::OneToTwoDecimals, false},
       {"lblVoltage", "E(Volts)", 1, Shows::Volts, Mask::Volts, false},
       {"lblAmps", "I(Amperes)", 2, Shows::Result, Mask::Amperes, false}}},
     3,
     [](const Section::Values& v, double volts, bool threePhase) {
         return LineCurrent::fromKVA(v[0], volts, threePhase);
     },
     Messages::cantDivideByZeroLower},
    {"Frame3",
     "Given KW:",
     "Frame4",
     "optVoltsKW",
     {{{"KW =", "Label4", "txtKW", nullptr}, {"Power Factor =", "Label5", "txtPFKW", "Label6"}}},
     2,
     {1, 0}, // the power factor is read first
     "lblKWFormula",
     "I=KW*1000/(E*PF*1.732)",
     "I=KW*1000/(E*PF)",
     "cmdClearKW",
     "cmdCalculateKW",
     "Frame5",
     {{{"lblKW", "KW", 6, Shows::Entry0, Mask::OneToTwoDecimals, false},
       {"lblPFKW", "PF", 3, Shows::Entry1, Mask::Percent, false},
       {"lblVoltageKW", "E(Volts)", 4, Shows::Volts, Mask::Volts, false},
       {"lblAmpsKW", "I(Amperes)", 5, Shows::Result, Mask::Amperes, false}}},
     4,
     [](const Section::Values& v, double volts, bool threePhase) {
         return LineCurrent::fromKW(v[0], v[1], volts, threePhase);
     },
     Messages::cantDivideByZeroLower},
    {"Frame6",
     "Given HP:",
     "Frame8",
     "optVoltsHP",
     {{{"HP =", "Label12", "txtHP", nullptr},
       {"Power Factor =", "Label11", "txtPFHP", "Label10"},
       {"Efficiency =", "Label13", "txtEfficiency", "Label14"}}},
     3,
     {0, 1, 2},
     "lblHPFormula",
     "I=HPx746/(E*EF*PF*1.732)",
     "I=HPx746/(E*EF*PF)",
     "cmdClearHP",
     "cmdCalculateHP",
     "Frame7",
     {{{"lblHP", "HP", 7, Shows::Entry0, Mask::OneToTwoDecimals, false},
       {"lblEF", "EF", 11, Shows::Entry2, Mask::Percent, false},
       {"lblPFHP", "PF", 10, Shows::Entry1, Mask::Percent, false},
       {"lblVoltageHP", "E(Volts)", 9, Shows::Volts, Mask::Volts, false},
       {"lblAmpsHP", "I(Amperes)", 8, Shows::Result, Mask::Amperes, false}}},
     5,
     [](const Section::Values& v, double volts, bool threePhase) {
         return LineCurrent::fromHP(v[0], v[1], v[2], volts, threePhase);
     },
     Messages::cantDivideByZeroLower},
}};

constexpr SheetLayout sheet{FormKind::ThreePCurrent,
                            "frm3PCurrent",
                            "Label7",
                            "3-Phase Current Calculations",
                            "Single-Phase Current Calculations",
                            sections};
} // namespace

frm3PCurrent::frm3PCurrent(QWidget* parent) : PowerSheet(sheet, parent) {}
