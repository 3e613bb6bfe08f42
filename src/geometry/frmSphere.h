#pragma once

#include <QWidget>
#include <array>

#include "common/EntryRow.h"

class AnswerGrid;
class ButtonRow;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The sphere sheet: radius, diameter, circumference, surface area and volume from any one.
class frmSphere : public QWidget {
    Q_OBJECT
public:
    explicit frmSphere(QWidget* parent = nullptr);

    void optGivensphere_Click(int index);
    void cmdCalculate_Click();
    void cmdClear_Click();

private:
    void buildControls();

    qint16 intGiven = 0;

    QLabel* lblTitle = nullptr;
    QGroupBox* fraGivencircle = nullptr;
    std::array<QRadioButton*, 5> optGivensphere{};
    QGroupBox* fraGivenValue = nullptr;
    EntryRow givenRow;
    QLineEdit* txtGivenValue = nullptr;
    QGroupBox* fraSphereResults = nullptr;
    AnswerGrid* answers = nullptr; // values lblRadius, lblDiameter, lblCircum, lblArea, lblVolume
    ButtonRow* buttons = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdClear = nullptr;
};
