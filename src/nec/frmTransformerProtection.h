#pragma once

#include <optional>

#include "nec/CodeSheet.h"
#include "nec/TransformerProtection.h"

class OptionFrame;

// NEC > Transformer Protection: type the kVA and the voltages, pick the phases, the protection
// and the device; CALCULATE gives the rated currents and the largest primary and secondary
// devices by Table 450.3(B) with their 240.6(A) ratings. The tables are read at the first
// CALCULATE.
class frmTransformerProtection : public CodeSheet {
    Q_OBJECT
public:
    explicit frmTransformerProtection(QWidget* parent = nullptr);

    void cmdCalculate_Click() override;
    void cmdClear_Click() override;

    // Answer rows, top to bottom.
    enum Answer {
        PrimaryCurrent,
        SecondaryCurrent,
        PrimaryMaximum,
        PrimaryRating,
        SecondaryMaximum,
        SecondaryRating,
    };

private:
    struct CodeTables {
        Nec::TransformerOcpdTable ocpd;
        Nec::StandardRatings ratings;
    };
    std::optional<CodeTables> m_codeTables;

    OptionFrame* optPhases = nullptr;
    OptionFrame* optProtection = nullptr;
    OptionFrame* optDevice = nullptr;
    EntryRow kva;
    EntryRow primaryVolts;
    EntryRow secondaryVolts;
};
