#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <string>

#include "common/ResultHistory.h"

// The history cells whose text is cut off when the sheet is at its smallest, as "name=text".
inline std::string clippedCells(QWidget& sheet) {
    sheet.show();
    sheet.resize(sheet.minimumSizeHint());
    QCoreApplication::processEvents();
    QStringList clipped;
    for (const QLabel* cell : sheet.findChildren<QLabel*>()) {
        if (cell->property(ResultHistory::RowProperty).isValid() &&
            cell->contentsRect().width() < cell->fontMetrics().horizontalAdvance(cell->text()))
            clipped << cell->objectName() + u'=' + cell->text();
    }
    return clipped.join(u", ").toStdString();
}
