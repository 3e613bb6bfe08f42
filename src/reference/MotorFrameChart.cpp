#include "reference/MotorFrameChart.h"

#include "database/KeyComparison.h"

namespace MotorFrameChart {

std::array<Row, Rows> walk(Recordset& table, const QString& chosenFrame) {
    if (!table.BOF())
        table.MovePrevious();
    if (!table.BOF())
        table.MovePrevious();
    if (table.BOF())
        table.MoveNext();

    std::array<Row, Rows> chart;
    for (Row& row : chart) {
        if (table.EOF()) {
            row.cells.fill(QString::fromLatin1(pastTheEnd));
            continue;
        }
        for (int c = 0; c < Columns; ++c)
            row.cells[c] = table.Field(QString::fromLatin1(fields[c]));
        row.chosen = referenceKeysEqual(row.cells[0], chosenFrame);
        table.MoveNext();
    }
    return chart;
}

} // namespace MotorFrameChart
