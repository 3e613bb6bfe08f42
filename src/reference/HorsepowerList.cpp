#include "reference/HorsepowerList.h"

#include <QRadioButton>
#include <QVBoxLayout>

HorsepowerList::HorsepowerList(std::span<const HorsepowerOption> options,
                               std::span<const int> shown, QWidget* parent)
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
    auto* column = new QVBoxLayout(this);
    column->setSpacing(2);
    QRadioButton* previous = nullptr;
    for (const int index : shown) {
        QRadioButton* option = m_options.at(index);
        column->addWidget(option);
        option->show();
        // Tab follows the list as shown, not the order the options were made in.
        if (previous)
            setTabOrder(previous, option);
        previous = option;
    }
    column->addStretch();
}

void HorsepowerList::select(int index) {
    if (index >= 0 && index < count())
        m_options[index]->setChecked(true);
}
