#pragma once

#include <QColor>
#include <QStringList>
#include <array>
#include <vector>

class HistoryCells;
class QLabel;
class QWidget;

// The label grid of one result-history section: columns of three rows, row 0 on top holding the
// newest result. It holds display texts only. The colours belong to the row positions, so a text
// shifted down takes on the colours of its new row.
//
// The rows can be copied as tab-separated text with the column headings (context menu "Copy" on
// a cell, Ctrl+C on the sheet), and each cell is announced by its heading and row. A heading is
// found as the label just above a column's top cell in the layout; setHeading names it where the
// layout does not.
class ResultHistory {
public:
    static constexpr int Rows = 3;
    // Every history label carries its row number under this property, so tools that watch a
    // sheet from outside (the monkey test) can tell history rows from captions.
    static constexpr const char* RowProperty = "resultHistoryRow";
    using Column = std::array<QLabel*, Rows>;

    // Creates the labels as children of `parent`, named "<column>_<row>" ("lblRow1_0").
    ResultHistory(QWidget* parent, const QStringList& columnNames);

    int columnCount() const { return static_cast<int>(m_columns.size()); }
    QLabel* label(int column, int row) const { return m_columns.at(column).at(row); }
    const Column& column(int column) const { return m_columns.at(column); }

    // The heading of `column` for copies and screen readers: a label whose text may change, or
    // a fixed text.
    void setHeading(int column, const QLabel* heading);
    void setHeading(int column, const QString& text);
    QString headingText(int column) const;
    // The headings and the rows that hold text, tab-separated, one line each; "" when empty.
    QString copyText() const;

    // Moves every row down one place, walking the columns in order; the oldest row is lost and
    // row 0 keeps its text until the caller writes the new result.
    void shift();
    // Blanks every row of every column.
    void clear();
    // Writes the newest row, one text per column.
    void setNewestRow(const QStringList& texts);
    // Gives the newest-row cell of `column` its own background; the text colour stays.
    void setNewestRowBackground(int column, const QColor& background);

private:
    std::vector<Column> m_columns;
    HistoryCells* m_cells = nullptr; // a child of the parent widget, which owns it
};
