#pragma once

#include <array>

#include "nec/BoxFill.h"
#include "nec/BoxTables.h"
#include "nec/CodeSheet.h"

class QCheckBox;
class QComboBox;

// Box fill by 314.16: the conductors, clamps, support fittings, devices and grounding
// conductors of a box; the volume each takes, the smallest standard metal box that holds them
// and whether a chosen box does. The box types and boxes come from the database.
class frmBoxFill : public CodeSheet {
    Q_OBJECT
public:
    // The conductor sizes of Table 314.16(B), one count entry each.
    static constexpr std::array<const char*, 7> conductorSizes{"18", "16", "14", "12",
                                                               "10", "8",  "6"};

    explicit frmBoxFill(QWidget* parent = nullptr);

    void cmdCalculate_Click() override;
    void cmdClear_Click() override;

private:
    void buildControls();
    // The count in `row`'s box, 0 when it is empty; nothing after telling the user.
    static std::optional<double> readCount(const EntryRow& row);

    Nec::BoxAllowanceTable m_allowances;
    Nec::MetalBoxTable m_boxes;

    std::array<EntryRow, conductorSizes.size()> txtConductors{};
    QCheckBox* chkClamps = nullptr;
    QCheckBox* chkFixtureStuds = nullptr;
    QCheckBox* chkHickeys = nullptr;
    EntryRow txtDevices;
    QComboBox* cboDeviceSize = nullptr;
    EntryRow txtGrounding;
    QComboBox* cboGroundingSize = nullptr;
    QComboBox* cboBoxType = nullptr;
    QComboBox* cboBox = nullptr;
};
