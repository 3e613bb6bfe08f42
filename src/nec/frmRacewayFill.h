#pragma once

#include <array>

#include "nec/CodeSheet.h"
#include "nec/RacewayFill.h"
#include "nec/RacewayTables.h"

class QCheckBox;
class QComboBox;
class QTableWidget;

// Raceway fill: a raceway of Chapter 9 Table 4 and up to six groups of conductors (type, size,
// count); the conductor area, the fill limit, the smallest trade size that holds them and the
// fill of every trade size. The raceway, type and size lists come from the database.
class frmRacewayFill : public CodeSheet {
    Q_OBJECT
public:
    explicit frmRacewayFill(QWidget* parent = nullptr);

    void cboRaceway_Click();
    void cboType_Click(int group);
    void cmdCalculate_Click() override;
    void cmdClear_Click() override;

    QTableWidget* tradeSizeGrid() const { return grdTradeSizes; }

private:
    void buildControls();
    void fillTypes(QComboBox* box) const;
    void showGrid(const Nec::RacewayFillResult* result);

    Nec::RacewayTable m_raceways;
    Nec::ConductorAreaTable m_conductors;

    QComboBox* cboRaceway = nullptr;
    std::array<QComboBox*, Nec::racewayGroupCount> cboType{};
    std::array<QComboBox*, Nec::racewayGroupCount> cboSize{};
    std::array<EntryRow, Nec::racewayGroupCount> txtCount{};
    QCheckBox* chkNipple = nullptr;
    QLabel* lblFootnote = nullptr;
    QTableWidget* grdTradeSizes = nullptr;
};
