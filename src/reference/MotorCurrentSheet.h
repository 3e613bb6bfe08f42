#pragma once

#include <QWidget>
#include <array>

#include "common/ResultHistory.h"
#include "database/SheetDatabase.h"
#include "reference/MotorCurrentLayouts.h"

class HistorySection;
class QGroupBox;
class QLabel;
class QPushButton;
class HorsepowerList;
class VoltageList;

// A motor full-load current sheet: pick a horsepower and a voltage, FIND (A) looks the current up
// in the layout's table and writes it, with the horsepower and voltage, as the newest of three
// history rows. The database and table are held from load to unload.
class MotorCurrentSheet : public QWidget {
    Q_OBJECT
public:
    void optHp_Click(int index);
    void optVoltage_Click(int index);

protected:
    MotorCurrentSheet(const MotorCurrentLayout& layout, QWidget* parent,
                      const QString& databasePath);

    void findCurrent();
    void clearHistory();

private:
    void buildControls();
    void Shift();

    const MotorCurrentLayout& m_layout;
    QString m_horsepowerKey;
    QString m_horsepowerText;
    QString m_voltageColumn;
    bool m_typical = false;

    std::array<QLabel*, 1> Label6{};
    QLabel* lblSources = nullptr;
    QGroupBox* fraCurrent = nullptr;
    HorsepowerList* fraHp = nullptr;
    VoltageList* fraVoltage = nullptr;
    HistorySection* Frame1 = nullptr; // the history
    std::array<QLabel*, 3> label2{};
    QPushButton* cmdFind = nullptr;
    QPushButton* cmdClear = nullptr;
    QLabel* lblTypical = nullptr;

    SheetDatabase database;
};
