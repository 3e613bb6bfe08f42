#pragma once

#include <QWidget>
#include <array>

#include "common/EntryRow.h"
#include "common/ResultHistory.h"
#include "electrical/OhmsLawAC.h"

class HistorySection;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The AC Ohm's-law sheet: pick a formula, type its two givens and, for most formulas, the phase
// angle; each calculation adds the givens and the result as the newest row of the history.
class frmOhmsLawAC : public QWidget {
    Q_OBJECT
public:
    explicit frmOhmsLawAC(QWidget* parent = nullptr);

    void optFormula_Click(int index);
    void cmdCalculate_Click();
    void cmdClear_Click();

private:
    void buildControls();
    // Selects the formula's option and shows its captions, headings and the rows it uses.
    void showFormula(int index);
    void Shift();
    // True when every given box in use holds text; else tells the user about the first empty one.
    bool CheckGivenFields();
    // The power factor of the angle, or 0 with the angle-error flag set after telling the user.
    double CalculateCosine(double theta);

    qint16 FormulaSelect = 0;
    qint16 AngleError = 0; // -1 after CalculateCosine refused the angle

    QLabel* lblHeading = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    HistorySection* Frame3 = nullptr; // the history
    std::array<QRadioButton*, OhmsLawAC::FormulaCount> optFormula{};
    QLabel* Label1 = nullptr;
    std::array<EntryRow, 3> given{}; // lblGiven / txtgiven
    // Elements 0 to 2 are the history rows, element 3 the column heading (all owned by Frame3).
    std::array<std::array<QLabel*, 4>, 4> lblRow{};
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdClear = nullptr;
};
