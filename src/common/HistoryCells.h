#pragma once

#include <QPointer>
#include <QStringList>
#include <vector>

#include "common/ResultCopy.h"

class QLabel;

// The cells of one result history as the desktop sees them: the text a copy puts on the
// clipboard (headings, then the rows that hold text) and the names a screen reader announces
// ("V(Volts), row 1"). A column's heading is the label set for it, else a fixed text set for
// it, else the label just above its top cell in the sheet's layout.
class HistoryCells final : public ResultCopySource {
    Q_OBJECT
public:
    HistoryCells(QObject* parent, int rows);

    void addColumn(const std::vector<QLabel*>& cells);
    void setHeading(int column, const QLabel* heading);
    void setHeading(int column, const QString& text);

    QString headingText(int column) const;
    // "<heading>, row <n>" (rows counted from 1, the newest), or "Column <c>, row <n>" for a
    // column without a heading.
    QString cellName(int column, int row) const;

    QString copyText() const override;
    QList<QWidget*> resultWidgets() const override;

private:
    struct Column {
        std::vector<QPointer<QLabel>> cells;
        QPointer<const QLabel> headingLabel;
        QString headingText;
    };
    const QLabel* labelAbove(const QLabel* top) const;

    int m_rows;
    std::vector<Column> m_columns;
};
