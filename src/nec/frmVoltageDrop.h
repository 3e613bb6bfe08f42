#pragma once

#include <vector>

#include "common/EntryRow.h"
#include "nec/CodeSheet.h"
#include "nec/VoltageDrop.h"

class OptionFrame;
class QComboBox;
class QLabel;

// The voltage drop of a run; or the smallest size that keeps the drop within a limit; or the
// longest run that does. Chapter 9 Table 9 for AC, Table 8 for DC.
class frmVoltageDrop : public CodeSheet {
    Q_OBJECT
public:
    explicit frmVoltageDrop(QWidget* parent = nullptr);

    // The answer rows, in the order they are shown.
    enum Answer {
        DropVolts,
        DropPercent,
        LoadVolts,
        Impedance,
        ConductorSize,
        MaximumLength,
        Ampacity75,
    };

    void optSystem_Click(int index);
    void optConductor_Click(int index);
    void optFind_Click(int index);
    void cmdCalculate_Click() override;
    void cmdClear_Click() override;

private:
    void buildControls();
    // Fills the size list for the chosen metal, keeping the chosen size where the metal has it.
    void fillSizes();
    // Enables what the chosen system and find use.
    void showUsedGivens();
    std::optional<Nec::VoltageDropInput> readInput();
    void showResult(const Nec::VoltageDropResult& result, const Nec::VoltageDropInput& input);

    Nec::VoltageDropTables m_codeTables;
    std::vector<Nec::ConductorSize> m_sizes; // the drop-down's sizes, in its order

    OptionFrame* fraSystem = nullptr;
    OptionFrame* fraConductor = nullptr;
    OptionFrame* fraRaceway = nullptr;
    OptionFrame* fraFind = nullptr;
    OptionFrame* fraLengthUnit = nullptr;
    QLabel* lblSize = nullptr;
    QComboBox* cboSize = nullptr;
    EntryRow voltage;
    EntryRow current;
    EntryRow length;
    EntryRow powerFactor;
    EntryRow sets;
    EntryRow maxDrop;
};
