#pragma once

#include <QWidget>

// The IP protection-code sheet: the tests of the first numeral (solid objects, 0 to 6) and of
// the second numeral (water, 0 to 8) side by side, each with its pictogram.
class frmEnclosureIP : public QWidget {
    Q_OBJECT
public:
    explicit frmEnclosureIP(QWidget* parent = nullptr);
};
