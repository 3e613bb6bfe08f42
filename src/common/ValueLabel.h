#pragma once

#include <QString>

class QLabel;

// A label that shows a computed or looked-up value is read by screen readers the way a history
// cell is: named by its caption, with its text as its value, so "Area" is followed by the area.
// The caption is read when asked, so a caption that changes with the sheet's option is followed.
void exposeValue(QLabel* value, const QLabel* caption);
void exposeValue(QLabel* value, const QString& caption);

// The name a screen reader gives `value` ("" when it is not an exposed value label).
QString exposedValueName(const QLabel* value);
