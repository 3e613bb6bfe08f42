#pragma once

#include <QWidget>
#include <array>

#include "common/ResultHistory.h"
#include "electrical/OhmsLawDC.h"

class HistorySection;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The DC Ohm's-law sheet: pick a formula, type its two givens, and each calculation adds the
// givens and the result as the newest row of a three-row history.
class frmOhmsLaw : public QWidget {
    Q_OBJECT
public:
    explicit frmOhmsLaw(QWidget* parent = nullptr);

    void optFormula_Click(int index);
    void cmdCalculate_Click();
    void cmdClear_Click();

private:
    void buildControls();
    // Selects the formula's option and shows its given captions and column headings.
    void showFormula(int index);
    void Shift();

    qint16 FormulaSelect = 0;

    QLabel* lblHeading = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    HistorySection* Frame3 = nullptr; // the history
    std::array<QRadioButton*, OhmsLawDC::FormulaCount> optFormula{};
    QLabel* Label1 = nullptr;
    std::array<QLabel*, 2> lblGiven{};
    std::array<QLineEdit*, 2> txtgiven{};
    // Elements 0 to 2 are the history rows, element 3 the column heading (all owned by Frame3).
    std::array<QLabel*, 4> lblRow1{};
    std::array<QLabel*, 4> lblRow2{};
    std::array<QLabel*, 4> lblRow3{};
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdClear = nullptr;
};
