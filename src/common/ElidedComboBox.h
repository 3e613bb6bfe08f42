#pragma once

#include <QComboBox>

// A drop-down whose items may be longer than the room a sheet has for it: the closed box shows
// the chosen item cut short with "…" (whole in its tooltip and to screen readers), the open list
// shows every item whole. It is `shownCharacters` wide at its smallest and, given room, grows to
// its longest item and no further.
class ElidedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ElidedComboBox(QWidget* parent = nullptr, int shownCharacters = 13);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Fits at once when shown; a list filled before it is shown is measured once, when it is.
    void itemsChanged();
    void fitLongestItem();

    bool m_fitPending = false;
};
