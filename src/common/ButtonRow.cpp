#include "common/ButtonRow.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>

ButtonRow::ButtonRow(QWidget* parent, std::initializer_list<Button> buttons,
                     Qt::Orientation orientation)
    : QWidget(parent) {
    auto* layout = orientation == Qt::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                                               : new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.objectName));
        button->setAutoDefault(false);
        layout->addWidget(button);
        m_buttons.push_back(button);
    }
}

ButtonRow* makeCalculateClearRow(QWidget* parent, Qt::Orientation orientation) {
    return new ButtonRow(parent, {{"cmdCalculate", "CALCULATE"}, {"cmdClear", "CLEAR"}},
                         orientation);
}

void pressOnEnter(QLineEdit* box, QPushButton* button) {
    QObject::connect(box, &QLineEdit::returnPressed, button, [button] {
        if (button->isEnabled())
            button->click();
    });
}
