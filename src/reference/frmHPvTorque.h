#pragma once

#include <QWidget>
#include <array>

#include "common/ResultHistory.h"
#include "database/SheetDatabase.h"

class HistorySection;
class QLabel;
class QPushButton;
class HorsepowerList;

// The horsepower-versus-torque sheet: pick a horsepower, CALCULATE looks up the shaft torque at
// eighteen motor speeds and writes it as the newest row of three stacked grids of six speeds.
class frmHPvTorque : public QWidget {
    Q_OBJECT
public:
    static constexpr std::array<int, 18> Speeds{3450, 2000, 1725, 1550, 1140, 1050, 1000, 850, 750,
                                                600,  500,  230,  190,  155,  125,  100,  84,  68};
    static constexpr int Grids = 3;
    static constexpr int SpeedsPerGrid = 6;

    explicit frmHPvTorque(QWidget* parent = nullptr, const QString& databasePath = {});

    void optHp_Click(int index);
    void cmdCalculate_Click();
    void cmdClear_Click();

private:
    void buildControls();
    void Shift();

    QString m_horsepowerKey;
    QString m_horsepowerText;

    std::array<QLabel*, 1> Label6{};
    QLabel* lblSources = nullptr;
    HorsepowerList* fraHp = nullptr;
    QLabel* Label1 = nullptr;
    // Each grid is its horsepower column, then its six speed columns.
    std::array<HistorySection*, Grids> fraGrid{};
    std::array<QLabel*, 3 * ResultHistory::Rows> lblHp{};
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdCalculate = nullptr;

    SheetDatabase database;
};
