#pragma once

#include <QStringList>
#include <array>
#include <vector>

class QLabel;
class QWidget;

// The label grid of one result-history section: columns of three rows, row 0 on top holding the
// newest result. It holds display texts only. The colours belong to the row positions, so a text
// shifted down takes on the colours of its new row.
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

    // Moves every row down one place, walking the columns in order; the oldest row is lost and
    // row 0 keeps its text until the caller writes the new result.
    void shift();
    // Blanks every row of every column.
    void clear();
    // Writes the newest row, one text per column.
    void setNewestRow(const QStringList& texts);

private:
    std::vector<Column> m_columns;
};
