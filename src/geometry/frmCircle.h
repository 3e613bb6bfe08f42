#pragma once

#include <QWidget>
#include <array>

#include "common/EntryRow.h"

class AnswerGrid;
class ButtonRow;
class DrawingView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct CircleLayout;

// The circle sheet in one of three layouts chosen by CircleSelect: the circle from any one of
// its quantities, the circle sections (sector, segment, hollow sector), or the ellipse.
class frmCircle : public QWidget {
    Q_OBJECT
public:
    explicit frmCircle(QWidget* parent = nullptr);

    void optGivencircle_Click(int index);
    void cmdCalculate_Click();
    void cmdClear_Click();

private:
    void buildControls();
    void applyLayout(const CircleLayout& layout);

    void CalculateCircle();
    void CalculateCircleSection();
    void CalculateCircleSegment();
    void CalculateHollowSec();
    void CalculateEllipse();
    // Shows "0" in every answer: the sections and the ellipse with a field left empty.
    void zeroAnswers();

    qint16 intGiven = 0;
    qint16 layoutKind = 0; // CircleSelect as it was when the sheet loaded

    QLabel* lblTitle = nullptr;
    QGroupBox* fraGivencircle = nullptr;
    std::array<QRadioButton*, 4> optGivencircle{};
    QGroupBox* Frame1 = nullptr;
    std::array<EntryRow, 3> givenRows{};
    std::array<QLineEdit*, 3> txtGivenValue{};
    QGroupBox* fraCircleResults = nullptr;
    AnswerGrid* answers = nullptr; // captions lblAnswerCaption_i, values lblAnswer_i
    ButtonRow* buttons = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdClear = nullptr;
    // picCircle, picCircleSector, picCircleSegment, picHollowSec, picEllipse
    std::array<DrawingView*, 5> pictures{};
};
