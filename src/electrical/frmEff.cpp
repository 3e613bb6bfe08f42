#include "electrical/frmEff.h"

#include "common/DisplayMask.h"
#include "common/GlobalSubs.h"
#include "electrical/MotorEfficiency.h"

namespace {
using Section::Shows;

constexpr std::array<Section::Layout, 2> sections{{
    {"Frame2",
     "Efficiency %:",
     "fraVolts",
     "optVolts",
     {{{"HP =", "Label1", "txtHP", nullptr},
       {"I =", "Label4", "txtCurrent", nullptr},
       {"PF =", "Label5", "txtPF", "Label6"}}},
     3,
     {0, 1, 2},
     "lblEffFormula",
     "EFF=(HP*746/(E*I*PF*1.732)*100",
     "EFF=(HP*746/(E*I*PF)*100",
     "cmdClear",
     "cmdCalculate",
     "Frame7",
     {{{"lblHP", "HP", 7, Shows::Entry0, Mask::OneToTwoDecimals, true},
       {"lblAmps", "I(Amperes)", 8, Shows::Entry1, Mask::Amperes, false},
       {"lblVoltage", "E(Volts)", 9, Shows::Volts, Mask::Volts, false},
       {"lblPF", "PF", 10, Shows::Entry2, Mask::Percent, false},
       {"lblEff", "EF", 11, Shows::Result, Mask::Percent, true}}},
     5,
     [](const Section::Values& v, double volts, bool threePhase) {
         return MotorEfficiency::efficiency(v[0], v[1], v[2], volts, threePhase);
     },
     Messages::cantDivideByZero},
    {"Frame1",
     "Power Factor %:",
     "Frame4",
     "optVoltsPF",
     {{{"HP =", "Label9", "txtHPPF", nullptr}, {"I =", "Label8", "txtAmpsPF", nullptr}}},
     2,
     {0, 1},
     "lblPFFormula",
     "PF=(HPx746/(E*I*1.732)*100",
     "PF=(HPx746/(E*I)*100",
     "cmdClearPF",
     "cmdCalculatePF",
     "Frame3",
     {{{"lblHPPF", "HP", 0, Shows::Entry0, Mask::OneToTwoDecimals, false},
       {"lblAmpsPF", "I(Amperes)", 1, Shows::Entry1, Mask::Amperes, false},
       {"lblVoltagePF", "E(Volts)", 2, Shows::Volts, Mask::Volts, false},
       {"lblPFPF", "PF", 3, Shows::Result, Mask::Percent, false}}},
     4,
     [](const Section::Values& v, double volts, bool threePhase) {
         return MotorEfficiency::powerFactor(v[0], v[1], volts, threePhase);
     },
     Messages::cantDivideByZero},
}};

// The heading reads "&" once; a label without a buddy shows its text as it stands.
constexpr SheetLayout sheet{FormKind::Eff,
                            "frmEff",
                            "lblHeading",
                            "3-Phase Efficiency & Power Factor Calculations",
                            "Single-Phase Efficiency & Power Factor Calculations",
                            sections};
} // namespace

frmEff::frmEff(QWidget* parent) : PowerSheet(sheet, parent) {}
