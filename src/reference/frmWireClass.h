#pragma once

#include <QWidget>

// The wire-class sheet: the letter codes of wire insulation classes and suffixes with what
// each means, and a note naming the common types.
class frmWireClass : public QWidget {
    Q_OBJECT
public:
    explicit frmWireClass(QWidget* parent = nullptr);
};
