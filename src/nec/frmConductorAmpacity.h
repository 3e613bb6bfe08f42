#pragma once

#include <vector>

#include "common/EntryRow.h"
#include "nec/CodeSheet.h"
#include "nec/ConductorAmpacity.h"

class OptionFrame;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;

// The allowable ampacity of a conductor under its conditions of use, or the smallest size that
// carries a load, with each factor and the table it came from in the steps.
class frmConductorAmpacity : public CodeSheet {
    Q_OBJECT
public:
    explicit frmConductorAmpacity(QWidget* parent = nullptr);

    // The answer rows, in the order they are shown.
    enum Answer {
        TableAmpacity,
        AmbientFactor,
        Adjustment,
        CorrectedAmpacity,
        TerminationLimit,
        AllowableAmpacity,
        MaximumDevice,
        ConductorSize,
        GovernedBy,
    };

    void optConductor_Click(int index);
    void optFind_Click(int index);
    void cmdCalculate_Click() override;
    void cmdClear_Click() override;

private:
    void buildControls();
    // Fills the size list for the chosen metal, keeping the chosen size where the metal has it.
    void fillSizes();
    // The givens as read from the sheet, or nothing after telling the user why not.
    std::optional<Nec::AmpacityInput> readInput();
    void showResult(const Nec::AmpacityResult& result, const Nec::AmpacityInput& input);

    Nec::ConductorAmpacityTables m_codeTables;
    std::vector<Nec::ConductorSize> m_sizes; // the drop-down's sizes, in its order

    OptionFrame* fraConductor = nullptr;
    OptionFrame* fraInsulation = nullptr;
    OptionFrame* fraTerminations = nullptr;
    OptionFrame* fraFind = nullptr;
    QLabel* lblSize = nullptr;
    QComboBox* cboSize = nullptr;
    EntryRow ambient;
    QButtonGroup* optAmbientUnit = nullptr;
    EntryRow conductors;
    EntryRow load;
    QCheckBox* chkContinuous = nullptr;
};
