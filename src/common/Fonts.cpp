#include "common/Fonts.h"

#include <QWidget>

void setBoldFont(QWidget* widget, double scale) {
    QFont font = widget->font();
    font.setBold(true);
    if (scale != 1.0)
        font.setPointSizeF(font.pointSizeF() * scale);
    widget->setFont(font);
}
