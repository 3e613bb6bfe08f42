#pragma once

#include <QWidget>
#include <array>

#include "database/SheetDatabase.h"
#include "reference/MotorFrameChart.h"

class QComboBox;
class QGroupBox;
class QLabel;

// The NEMA motor-frame sheet: pick a frame from the list and its dimensions are written onto
// the motor drawing, and the frame is shown in bold among its neighbours in a five-row chart.
class frmNemaMtr : public QWidget {
    Q_OBJECT
public:
    // `databasePath` empty: the reference database beside the program.
    explicit frmNemaMtr(QWidget* parent = nullptr, const QString& databasePath = {});
    ~frmNemaMtr() override;

    void cmbFrame_Click();

private:
    void buildControls();
    void LoadComboBox();
    void SetFontToNormal();
    void showDimensions(bool shown);

    SheetDatabase database; // a fault is told on each choice, not on opening

    QLabel* lblHeading = nullptr;
    QLabel* lblSources = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cmbFrame = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* lblD = nullptr;
    QLabel* lblE1 = nullptr;
    QLabel* lblE2 = nullptr;
    QLabel* lblF1 = nullptr;
    QLabel* lblF2 = nullptr;
    QLabel* lblU = nullptr;
    QLabel* lblV = nullptr;
    QLabel* lblMN = nullptr;
    std::array<QLabel*, 8> dimensionValues{}; // the eight above, in drawing-table order
    QLabel* lblFrame = nullptr;
    QLabel* lblKeyway = nullptr;
    QGroupBox* fraResults = nullptr;
    // chart[column][row]: lblFrameChart, lblDChart, ... lblKeywayChart, elements 0 to 4.
    std::array<std::array<QLabel*, MotorFrameChart::Rows>, MotorFrameChart::Columns> chart{};
};
