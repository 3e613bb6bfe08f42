#pragma once

#include <span>
#include <vector>

#include "nec/ConductorTables.h"

class AnswerGrid;
class CodeSheet;
class QComboBox;
class QGridLayout;
class QWidget;
struct EntryRow;

// Small pieces the code-calculation sheets lay out alike.

// An answer row: its caption and the name of its value label ("lblSize"); the caption label is
// that name with "Caption" appended.
struct AnswerLayout {
    const char* caption;
    const char* name;
};

// Adds the rows to the sheet's answers, in order.
void addAnswers(AnswerGrid* grid, std::span<const AnswerLayout> rows);

// Puts an entry on a row of the givens grid: the caption in `column`, a box sized for a number
// in the next column.
void placeEntry(QGridLayout* grid, int row, const EntryRow& entry, int column = 0);

// Refills a conductor size list with `sizes` (captioned "12 AWG") and makes them the list's
// sizes in `shown`. The chosen size stays chosen where the new list has it, otherwise the first;
// a list that had no choice yet starts at "12 AWG".
void fillSizeList(QComboBox* list, std::vector<Nec::ConductorSize>& shown,
                  std::vector<Nec::ConductorSize> sizes);

// Tab walks the givens first, then CALCULATE, CLEAR and the steps, as a user reads the sheet.
// `lastInput` is the last control of the givens.
void finishSheet(CodeSheet& sheet, QWidget* lastInput);
