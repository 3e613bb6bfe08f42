#include <gtest/gtest.h>

#include <functional>

#include "common/DisplayMask.h"
#include "electrical/LineCurrent.h"
#include "electrical/MotorEfficiency.h"
#include "electrical/PowerFromCurrent.h"

namespace {

struct PowerCase {
    const char* what;
    std::function<Calculated()> compute;
    QStringView mask;
    const char* shown; // empty when the computation must fail
    ArithmeticFault fault = ArithmeticFault::None;
};

const PowerCase cases[] = {
    {"KVA 1P", [] { return LineCurrent::fromKVA(10, 230, false); }, Mask::Amperes, "43.48 (A)"},
    {"KVA 3P", [] { return LineCurrent::fromKVA(10, 480, true); }, Mask::Amperes, "12.03 (A)"},
    {"KVA overflow", [] { return LineCurrent::fromKVA(1e306, 115, false); }, Mask::Amperes, "",
     ArithmeticFault::Overflow},
    {"KW 3P", [] { return LineCurrent::fromKW(5, .85, 208, true); }, Mask::Amperes, "16.33 (A)"},
    {"KW 1P", [] { return LineCurrent::fromKW(5, .85, 115, false); }, Mask::Amperes, "51.15 (A)"},
    {"KW PF 0", [] { return LineCurrent::fromKW(5, 0, 115, true); }, Mask::Amperes, "",
     ArithmeticFault::DivisionByZero},
    {"HP 3P", [] { return LineCurrent::fromHP(10, .85, .9, 460, true); }, Mask::Amperes,
     "12.24 (A)"},
    {"HP 1P", [] { return LineCurrent::fromHP(10, .85, .9, 230, false); }, Mask::Amperes,
     "42.4 (A)"},
    {"HP PF 0", [] { return LineCurrent::fromHP(10, 0, .9, 230, false); }, Mask::Amperes, "",
     ArithmeticFault::DivisionByZero},
    {"HP EF 0", [] { return LineCurrent::fromHP(10, .85, 0, 230, true); }, Mask::Amperes, "",
     ArithmeticFault::DivisionByZero},
    {"KVA of 20 A 3P", [] { return PowerFromCurrent::kva(20, 480, true); }, Mask::OneToTwoDecimals,
     "16.63"},
    {"KVA of 20 A 1P", [] { return PowerFromCurrent::kva(20, 230, false); }, Mask::OneToTwoDecimals,
     "4.6"},
    {"KW of 20 A 3P", [] { return PowerFromCurrent::kw(20, .85, 480, true); },
     Mask::OneToTwoDecimals, "14.13"},
    {"KW of 10 A 1P", [] { return PowerFromCurrent::kw(10, .8, 115, false); },
     Mask::OneToTwoDecimals, ".92"},
    {"KW PF 0", [] { return PowerFromCurrent::kw(10, 0, 115, false); }, Mask::OneToTwoDecimals,
     ".0"},
    {"KVA overflow", [] { return PowerFromCurrent::kva(1e306, 600, true); }, Mask::OneToTwoDecimals,
     "", ArithmeticFault::Overflow},
    {"EFF 3P", [] { return MotorEfficiency::efficiency(10, 12, .85, 460, true); }, Mask::Percent,
     "91.8 (%)"},
    {"EFF 1P", [] { return MotorEfficiency::efficiency(2, 8, .9, 230, false); }, Mask::Percent,
     "90.1 (%)"},
    {"EFF above 100", [] { return MotorEfficiency::efficiency(100, 1, 1, 115, false); },
     Mask::Percent, "64869.57 (%)"},
    {"EFF I 0", [] { return MotorEfficiency::efficiency(2, 0, .9, 230, false); }, Mask::Percent, "",
     ArithmeticFault::DivisionByZero},
    {"EFF PF 0", [] { return MotorEfficiency::efficiency(2, 8, 0, 230, true); }, Mask::Percent, "",
     ArithmeticFault::DivisionByZero},
    {"PF 3P", [] { return MotorEfficiency::powerFactor(10, 12, 460, true); }, Mask::Percent,
     "78.03 (%)"},
    {"PF 1P", [] { return MotorEfficiency::powerFactor(2, 8, 230, false); }, Mask::Percent,
     "81.09 (%)"},
    {"PF HP 0", [] { return MotorEfficiency::powerFactor(0, 8, 230, false); }, Mask::Percent,
     ".0 (%)"},
    {"PF I 0", [] { return MotorEfficiency::powerFactor(2, 0, 230, true); }, Mask::Percent, "",
     ArithmeticFault::DivisionByZero},
};

TEST(PowerFormulas, DocumentedResultsAndRefusals) {
    for (const PowerCase& c : cases) {
        const Calculated r = c.compute();
        EXPECT_EQ(r.fault, c.fault) << c.what;
        if (r.ok()) {
            EXPECT_EQ(formatMask(r.value, c.mask), QString::fromLatin1(c.shown)) << c.what;
        }
    }
}

} // namespace
