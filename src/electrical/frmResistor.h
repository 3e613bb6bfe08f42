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

// The resistor-network sheet: the series or parallel total of up to twelve resistors, or the
// conversion of a delta network into its wye and back. Each circuit mode reshapes the sheet and
// shows its own diagram.
class frmResistor : public QWidget {
    Q_OBJECT
public:
    // What a circuit mode shows: captions, formulas, and which entries and results.
    struct Layout;

    explicit frmResistor(QWidget* parent = nullptr);

    void optSorP_Click(int index);
    void cmdCalculate_Click();
    void cmdClear_Click();

private:
    void buildControls();
    void applyLayout(const Layout& layout);
    void AdjustForSorP();
    void AdjustForT();
    void AdjustForPi();
    void calculateTotal(SumRule rule);
    void calculateConversion();
    // The three conversion entries as numbers, or nothing after telling the user.
    std::optional<std::array<double, 3>> readConversionEntries();

    qint16 FormulaSelect = 0;

    QLabel* lblHeading = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::optional<NetworkEntries> entries; // txtRn with Label1 and Label4
    std::array<EntryRow, 3> results{};     // lblAnswer above txtRtotal
    std::array<QLabel*, 3> Label14{};
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdClear = nullptr;
    QGroupBox* fraSorP = nullptr;
    std::array<QRadioButton*, 4> optSorP{};
    std::array<QLabel*, 3> lblFormula1{};
    QLabel* lblFormula = nullptr;
    DrawingView* picSeries = nullptr;
    DrawingView* picParallel = nullptr;
    DrawingView* picDtoY = nullptr;
    DrawingView* picYtoD = nullptr;
};
