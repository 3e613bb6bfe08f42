#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <span>

#include "common/EntryRow.h"
#include "electrical/SeriesParallel.h"

class DrawingView;
class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

// The twelve component entries of a network sheet, R1 to R12 or C1 to C12: two columns of six,
// each entry with its caption above and its unit to the right.
struct NetworkEntries {
    std::array<EntryRow, SeriesParallel::EntryCount> rows{}; // captions Label1_i, boxes <name>_i
    std::array<QLabel*, SeriesParallel::EntryCount> units{}; // Label4_i

    // Places the entries in grid columns 0 to 3, rows 0 to 11, one group per column of six, in
    // tab order R1 to R12.
    NetworkEntries(QWidget* parent, QGridLayout* grid, const QString& boxName);

    void clear() const;
};

enum class SumRule { Direct, Reciprocal };

// Totals the entries by `rule`; an empty box is left out. A filled box that is not a number
// stops the calculation with a message naming the box. Under the reciprocal rule each zero entry
// is emptied and reported as "Can't Divide by Zero!" and the rest still count. Returns nothing,
// after telling the user, when the total cannot be shown.
std::optional<SeriesParallel::NetworkTotal> totalOfEntries(const NetworkEntries& entries,
                                                           SumRule rule, QChar letter);

// A named label of a network sheet, with its text.
QLabel* makeNetworkLabel(QWidget* parent, const QString& name, const QString& text = {});

// A named circuit diagram from the drawings in the resources.
DrawingView* makeCircuitDiagram(QWidget* parent, const char* name, const char* drawing);

// The "Circuit" frame (fraSorP) of a network sheet with one option (optSorP_i) per caption, the
// first checked; `chosen(i)` runs whenever option i becomes checked, by click, key or toggle.
QGroupBox* makeCircuitOptions(QWidget* parent, std::span<const QString> captions,
                              std::span<QRadioButton*> options, std::function<void(int)> chosen);
