#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "electrical/ColorCode.h"

class QGroupBox;
class QLabel;
class QRadioButton;

// The four-band colour code: a colour picked in each band's list colours that band of the drawn
// resistor and recomposes the value text, e.g. "4.7K ohms, 5%".
class frmResistorColors : public QWidget {
    Q_OBJECT
public:
    explicit frmResistorColors(QWidget* parent = nullptr);

    void optA_Click(int index);
    void optB_Click(int index);
    void optC_Click(int index);
    void optD_Click(int index);
    void CalculateOhms();

private:
    void buildControls();
    QWidget* buildDrawing();

    QString strDigitA;
    QString strDigitB = QStringLiteral("1");
    QString strMultiplier;
    QString strTolerance = QStringLiteral(", 1%");

    QLabel* Label10 = nullptr;
    QGroupBox* fraA = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    std::array<QRadioButton*, ColorCode::DigitCount> optA{};
    std::array<QRadioButton*, ColorCode::DigitCount> optB{};
    std::array<QRadioButton*, ColorCode::MultiplierCount> optC{};
    std::array<QRadioButton*, ColorCode::ToleranceCount> optD{};
    QGroupBox* Frame1 = nullptr;
    QLabel* lblA = nullptr;
    QLabel* lblB = nullptr;
    QLabel* lblC = nullptr;
    QLabel* lblD = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblOhms = nullptr;
};
