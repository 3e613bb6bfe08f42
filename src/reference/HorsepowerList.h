#pragma once

#include <QGroupBox>
#include <QList>
#include <span>

#include "common/HorsepowerOptions.h"

class QRadioButton;

// The "Horse Power" frame of a motor look-up sheet: one option button per entry of a horsepower
// table, named optHp_<index>. `shown` lists the indexes to show, top to bottom; the others exist
// but stay hidden, so an index keeps meaning the same option on every layout. A long list runs
// over `columns` columns, top to bottom, then left to right. Choosing an option by mouse, keyboard
// or a screen reader's action emits `chosen` with its index.
class HorsepowerList : public QGroupBox {
    Q_OBJECT
public:
    HorsepowerList(std::span<const HorsepowerOption> options, std::span<const int> shown,
                   QWidget* parent = nullptr, int columns = 1);

    int count() const { return static_cast<int>(m_options.size()); }
    QRadioButton* option(int index) const { return m_options.at(index); }
    // Checks the option at `index`, emitting `chosen`; an index outside the table does nothing.
    void select(int index);

signals:
    void chosen(int index);

private:
    QList<QRadioButton*> m_options;
};
