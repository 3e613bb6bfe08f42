#pragma once

#include <array>
#include <optional>
#include <vector>

#include "nec/CodeSheet.h"
#include "nec/MotorBranchCircuit.h"

class OptionFrame;
class QCheckBox;
class QComboBox;
class QLabel;

// NEC > Motor Branch Circuit: pick the supply, voltage, horsepower, motor type, device and
// conductor metal, and type the nameplate current; CALCULATE gives the full-load current from
// the supply's full-load table and the conductor, device, overload and grounding conductor with
// their rules. The full-load tables give the lists at load; the code tables are read at the
// first CALCULATE.
class frmMotorBranchCircuit : public CodeSheet {
    Q_OBJECT
public:
    explicit frmMotorBranchCircuit(QWidget* parent = nullptr);

    void cmdCalculate_Click() override;
    void cmdClear_Click() override;
    void optSupply_Click(int index);

    // Answer rows, top to bottom.
    enum Answer {
        FullLoadCurrent,
        ConductorAmpacity,
        ConductorSize,
        DevicePercent,
        DeviceMaximum,
        DeviceRating,
        Overload,
        GroundingConductor,
    };

private:
    // One row of a full-load table, captioned as the full-load sheets caption it.
    struct HorsepowerRow {
        QString key;     // as stored
        QString caption; // the drop-down's text
        QString text;    // the history's and the steps' text
        bool typical = false;
    };
    // What a supply offers from its full-load table.
    struct SupplyRows {
        QString table;
        QStringList voltages; // the table's voltage fields, "460V"
        std::vector<HorsepowerRow> horsepowers;
    };

    void readSupplies();
    void setReadingOrder();
    Nec::MotorSupply supply() const;

    std::array<SupplyRows, 3> m_supplies; // by Nec::MotorSupply
    std::optional<Nec::MotorTables> m_codeTables;

    OptionFrame* optSupply = nullptr;
    OptionFrame* optVoltage = nullptr;
    OptionFrame* optMotorType = nullptr;
    OptionFrame* optDevice = nullptr;
    OptionFrame* optConductor = nullptr;
    QLabel* lblHorsepower = nullptr;
    QComboBox* cboHorsepower = nullptr;
    EntryRow nameplate;
    QCheckBox* chkServiceFactor = nullptr;
    QLabel* lblTypical = nullptr;
};
