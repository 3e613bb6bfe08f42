#pragma once

#include <QWidget>
#include <array>

#include "common/EntryRow.h"
#include "geometry/RegularPolygon.h"

class AnswerGrid;
class ButtonRow;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The regular-polygon sheet: the areas of the polygons with 3 to 12 sides for one side length.
class frmPolygon : public QWidget {
    Q_OBJECT
public:
    explicit frmPolygon(QWidget* parent = nullptr);

    void cmdCalculate_Click();
    void cmdClear_Click();

private:
    void buildControls();

    QLabel* lblHeading = nullptr;
    QGroupBox* Frame1 = nullptr;
    EntryRow givenRow;
    QLineEdit* txtGivenValue = nullptr;
    QGroupBox* fraSphereResults = nullptr;
    // 0 to 9 the polygon names, 10 to 19 the side counts, 20 and 21 two column headings.
    std::array<QLabel*, 22> lblResult{};
    AnswerGrid* answers = nullptr; // values lblAnswer_i
    ButtonRow* buttons = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdClear = nullptr;
};
