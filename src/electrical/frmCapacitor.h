#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "common/EntryRow.h"
#include "electrical/SeriesParallelEntries.h"

class DrawingView;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The series or parallel total of up to twelve capacitors or, by the component flag the menu sets
// before loading, of up to twelve inductors. The two components share the two rules with the
// circuits swapped: capacitors add directly in parallel, inductors in series.
class frmCapacitor : public QWidget {
    Q_OBJECT
public:
    explicit frmCapacitor(QWidget* parent = nullptr);

    void InitializeForm();
    void optSorP_Click(int index);
    void cmdCalculate_Click();
    void cmdClear_Click();

private:
    void buildControls();
    bool capacitors() const;

    // 0 reciprocal sum, 1 direct sum.
    qint16 FormulaSelect = 0;

    QLabel* lblHeading = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::optional<NetworkEntries> entries; // txtCn with Label1 and Label4
    EntryRow result;                       // lblAnswer_0 above txtCtotal_0
    QLabel* Label14 = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdClear = nullptr;
    QGroupBox* fraSorP = nullptr;
    std::array<QRadioButton*, 2> optSorP{};
    QLabel* lblFormula1 = nullptr; // element 2 of the design's array, the only one this sheet has
    QLabel* lblFormula = nullptr;
    DrawingView* picSeries = nullptr;
    DrawingView* picParallel = nullptr;
};
