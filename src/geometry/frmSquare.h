#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "common/EntryRow.h"
#include "geometry/FigureLayouts.h"

class AnswerGrid;
class ButtonRow;
class DrawingView;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The figure window: one sheet for the seven plane figures and six solids. The figure named by
// `FigureSelect` when the sheet loads decides its title, drawing, options and rows; CALCULATE
// fills every answer row from the given values.
class frmSquare : public QWidget {
    Q_OBJECT
public:
    explicit frmSquare(QWidget* parent = nullptr);

    void cmdCalculate_Click();
    void cmdClear_Click();
    void optGivenrect_Click(int index);
    void ZeroAnswer();

private:
    void buildControls();
    // The figure procedure: the first call sets the sheet up, every later call computes.
    void CalculateFigure();
    void setUpFigure(const FigureLayouts::FigureLayout& look);
    void computeAnswers();
    void apply(const FigureLayouts::Relabel& change);
    void showDrawing(int index);

    std::optional<Figure> figure;
    qint16 ScreenInitialized = 0; // -1 once the figure's layout is set up
    qint16 intGiven = 0;

    QLabel* lblTitle = nullptr;
    QGroupBox* fraGivencircle = nullptr;
    std::array<QRadioButton*, FigureLayouts::OptionCount> optGivenrect{};
    QGroupBox* fraGivenValue = nullptr;
    std::array<EntryRow, FigureRows>
        txtGivenValue{}; // caption lblGivenValue_i, box txtGivenValue_i
    QGroupBox* fraSphereResults = nullptr;
    AnswerGrid* answers = nullptr; // captions lblResult_i, values lblAnswer_i
    ButtonRow* buttons = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdClear = nullptr;
    QGridLayout* pictureSlot = nullptr;
    std::array<DrawingView*, 2> pictures{}; // the figure's drawings; only one shows
};
