#pragma once

#include <span>

class AnswerGrid;
class CodeSheet;
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

// Tab walks the givens first, then CALCULATE, CLEAR and the steps, as a user reads the sheet.
// `lastInput` is the last control of the givens.
void finishSheet(CodeSheet& sheet, QWidget* lastInput);
