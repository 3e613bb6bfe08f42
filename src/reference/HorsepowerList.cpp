#include "reference/HorsepowerList.h"

#include <QGridLayout>
#include <QRadioButton>
#include <algorithm>

HorsepowerList::HorsepowerList(std::span<const HorsepowerOption> options,
                               std::span<const int> shown, QWidget* parent, int columns)
    : QGroupBox(QStringLiteral("Horse Power"), parent) {
    setObjectName(QStringLiteral("fraHp"));
    for (int index = 0; index < static_cast<int>(options.size()); ++index) {
        auto* option = new QRadioButton(QString::fromLatin1(options[index].caption), this);
        option->setObjectName(QStringLiteral("optHp_%1").arg(index));
        option->hide();
        // The checked state, not the click, carries the choice, so arrow keys and a screen
        // reader's toggle action choose as a mouse click does.
        connect(option, &QRadioButton::toggled, this, [this, index](bool on) {
            if (on)
                emit chosen(index);
        });
        m_options << option;
    }
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    columns = std::max(columns, 1);
    const int rows = std::max(1, (static_cast<int>(shown.size()) + columns - 1) / columns);
    QRadioButton* previous = nullptr;
    int place = 0;
    for (const int index : shown) {
        QRadioButton* option = m_options.at(index);
        grid->addWidget(option, place % rows, place / rows);
        ++place;
        option->show();
        // Tab follows the list as shown, not the order the options were made in.
        if (previous)
            setTabOrder(previous, option);
        previous = option;
    }
    grid->setRowStretch(rows, 1);
}

void HorsepowerList::select(int index) {
    if (index >= 0 && index < count())
        m_options[index]->setChecked(true);
}
