#pragma once

#include <QGroupBox>
#include <QList>
#include <array>
#include <span>

class QRadioButton;

// The nominal supply voltages the AC calculators offer, in option order (index 0 at the top).
inline constexpr std::array<qint16, 7> StandardVoltages{115, 208, 230, 460, 480, 575, 600};

// One voltage frame: a captioned group of option buttons, one per voltage, captioned "115V" and
// so on. Options are named `<optionName>_<index>`, so a sheet's `optVolts_3` is the 460V option of
// the standard list. Choosing an option by mouse, keyboard or a screen reader's action emits
// `voltageChosen` with the option's index; the first option is selected when the frame is made.
class VoltageList : public QGroupBox {
    Q_OBJECT
public:
    VoltageList(const QString& caption, const QString& optionName, QWidget* parent = nullptr,
                std::span<const qint16> voltages = StandardVoltages);

    int count() const { return static_cast<int>(m_options.size()); }
    QRadioButton* option(int index) const { return m_options.at(index); }
    qint16 volts(int index) const { return m_voltages.at(index); }

    // The checked option's index (-1 if none) and its voltage (0 if none).
    int selectedIndex() const;
    qint16 selectedVolts() const;
    // Checks the option at `index`, emitting voltageChosen; an index outside the list does nothing.
    void select(int index);
    // Lays the options out in `columns` columns, filled top to bottom, then left to right.
    void setColumns(int columns);

    // "115V": the caption of an option for `volts`.
    static QString caption(qint16 volts);

signals:
    void voltageChosen(int index);

private:
    QList<QRadioButton*> m_options;
    QList<qint16> m_voltages;
};
