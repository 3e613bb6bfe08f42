#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "common/ResultCopy.h"

class AnswerCopy;
class QGridLayout;
class QLabel;

// The answers of a sheet that shows one set of results: a caption and a value label per row,
// the value in a sunken box the user can select from. The rows copy with Ctrl+C
// ("caption<TAB>value") and every value is read by screen readers under its caption.
// `middleColumns` leaves room between caption and value for cells that belong to the caption.
class AnswerGrid : public QWidget {
    Q_OBJECT
public:
    explicit AnswerGrid(QWidget* parent = nullptr, int middleColumns = 0);

    // Adds a row below the others; the labels are named `captionName` and `valueName`.
    AnswerRow addRow(const QString& caption, const QString& captionName, const QString& valueName);
    // A bold heading over `column` (0 the captions, the last the values), above the rows; add
    // the headings before the first row.
    QLabel* addHeading(int column, const QString& text, const QString& name,
                       Qt::Alignment align = {});
    // A label in middle column `column` (from 1) of row `index`.
    QLabel* addCell(int index, int column, const QString& text, const QString& name,
                    Qt::Alignment align = {});

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const AnswerRow& row(int index) const { return m_rows.at(index); }
    QLabel* value(int index) const { return m_rows.at(index).value; }

    void setValue(int index, const QString& text);
    // Shows the texts in the first rows, one each, in order.
    void setValues(const QStringList& texts);
    // The same text in every row ("0" where a sheet shows a figure of nothing).
    void fill(const QString& text);
    // Re-captions row `index`; its value is then read under the new caption.
    void setCaption(int index, const QString& text);
    // Shows or hides a whole row, caption and value together.
    void setRowVisible(int index, bool visible);
    // The narrowest a value box may get (rows added later too), so answers line up.
    void setValueWidth(int pixels);
    // Blanks every value.
    void clear();

private:
    int valueColumn() const { return m_middleColumns + 1; }

    QGridLayout* m_grid = nullptr;
    AnswerCopy* m_copy = nullptr;
    std::vector<AnswerRow> m_rows;
    int m_middleColumns = 0;
    int m_firstRow = 0; // 1 once there are headings
    int m_valueWidth = 0;
};
