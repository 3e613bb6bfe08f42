#pragma once

#include <QWidget>
#include <initializer_list>
#include <vector>

class QLineEdit;
class QPushButton;

// The CALCULATE / CLEAR / FIND buttons of a sheet section, stacked or side by side. The buttons
// never become the dialog default, so Enter in an entry presses only what the sheet wires to it.
class ButtonRow : public QWidget {
    Q_OBJECT
public:
    struct Button {
        const char* objectName; // "cmdCalculate"
        const char* caption;    // "CALCULATE"
    };

    ButtonRow(QWidget* parent, std::initializer_list<Button> buttons,
              Qt::Orientation orientation = Qt::Vertical);

    QPushButton* button(int index) const { return m_buttons.at(index); }
    int count() const { return static_cast<int>(m_buttons.size()); }

private:
    std::vector<QPushButton*> m_buttons;
};

// The usual pair: "CALCULATE" (cmdCalculate) over "CLEAR" (cmdClear).
ButtonRow* makeCalculateClearRow(QWidget* parent, Qt::Orientation orientation = Qt::Vertical);

// Enter in `box` presses `button`, as it would on the designed sheets.
void pressOnEnter(QLineEdit* box, QPushButton* button);
