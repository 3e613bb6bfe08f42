#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "common/ResultCopy.h"

class AnswerCopy;
class QGridLayout;
class QLabel;

// The answers of a sheet that shows one set of results: a caption and a value label per row,
// two columns. The rows copy with Ctrl+C ("caption<TAB>value") and every value is read by screen
// readers under its caption.
class AnswerGrid : public QWidget {
    Q_OBJECT
public:
    explicit AnswerGrid(QWidget* parent = nullptr);

    // Adds a row below the others; the labels are named `captionName` and `valueName`.
    AnswerRow addRow(const QString& caption, const QString& captionName, const QString& valueName);

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const AnswerRow& row(int index) const { return m_rows.at(index); }
    QLabel* value(int index) const { return m_rows.at(index).value; }

    void setValue(int index, const QString& text);
    // Shows or hides a whole row, caption and value together.
    void setRowVisible(int index, bool visible);
    // Blanks every value.
    void clear();

private:
    QGridLayout* m_grid = nullptr;
    AnswerCopy* m_copy = nullptr;
    std::vector<AnswerRow> m_rows;
};
