#include "common/VoltageList.h"

#include <QGridLayout>
#include <QRadioButton>
#include <QVBoxLayout>

VoltageList::VoltageList(const QString& caption, const QString& optionName, QWidget* parent,
                         std::span<const qint16> voltages)
    : QGroupBox(caption, parent) {
    auto* column = new QVBoxLayout(this);
    for (const qint16 v : voltages) {
        const int index = static_cast<int>(m_options.size());
        auto* option = new QRadioButton(VoltageList::caption(v), this);
        option->setObjectName(optionName + u'_' + QString::number(index));
        column->addWidget(option);
        // The checked state, not the click, carries the choice, so the keyboard's arrow keys and
        // a screen reader's toggle action choose a voltage as a mouse click does.
        connect(option, &QRadioButton::toggled, this, [this, index](bool on) {
            if (on)
                emit voltageChosen(index);
        });
        m_options << option;
        m_voltages << v;
    }
    column->addStretch();
    if (!m_options.isEmpty())
        m_options.front()->setChecked(true);
}

int VoltageList::selectedIndex() const {
    for (int i = 0; i < count(); ++i) {
        if (m_options[i]->isChecked())
            return i;
    }
    return -1;
}

qint16 VoltageList::selectedVolts() const {
    const int index = selectedIndex();
    return index < 0 ? qint16{0} : m_voltages[index];
}

void VoltageList::select(int index) {
    if (index >= 0 && index < count())
        m_options[index]->setChecked(true);
}

void VoltageList::setColumns(int columns) {
    if (columns < 1 || m_options.isEmpty())
        return;
    delete layout(); // the options stay, only their places change
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    const int rows = (count() + columns - 1) / columns;
    for (int i = 0; i < count(); ++i)
        grid->addWidget(m_options[i], i % rows, i / rows);
    grid->setRowStretch(rows, 1);
}

QString VoltageList::caption(qint16 volts) {
    return QString::number(volts) + u'V';
}
