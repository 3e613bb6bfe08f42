#pragma once

#include <QWidget>
#include <array>

#include "common/EntryRow.h"
#include "geometry/RightTriangle.h"

class ButtonRow;
class DrawingView;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The right-triangle sheet: two of a, b, c, A, B are typed (a third box is locked as soon as two
// hold text) and CALCULATE writes all five onto the drawing of the triangle.
class frmGeometry : public QWidget {
    Q_OBJECT
public:
    explicit frmGeometry(QWidget* parent = nullptr);

    void txtInput_Change();
    void cmdCalculate_Click();
    void cmdClear_Click();

private:
    void buildControls();
    void placeDrawingLabels();
    void RtTriangle();

    static constexpr int Rows = RightTriangle::QuantityCount;

    QLabel* lblTitle = nullptr;
    QFrame* fraRtTriangle = nullptr;
    QGroupBox* fraRightTriangle = nullptr;
    std::array<EntryRow, Rows> inputRows{};
    std::array<QLineEdit*, Rows> txtInput{};
    DrawingView* imgRightTriangle = nullptr;
    // 0 to 4 the values of a, b, c, A, B; 5 to 7 the side captions "a=", "c=", "b=".
    std::array<QLabel*, 8> lblanswer{};
    ButtonRow* buttons = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdClear = nullptr;
};
