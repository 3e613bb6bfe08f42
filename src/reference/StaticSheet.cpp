#include "reference/StaticSheet.h"

#include <QLabel>

#include "common/Fonts.h"
#include "common/WrappedText.h"

namespace StaticSheet {

QLabel* makeText(const QString& name, const QString& text, QWidget* parent) {
    // A Tab stop, so Tab walks the texts in reading order for keyboard and screen-reader users.
    auto* label = new WrappedText(text, parent, WrappedText::Focus::TabStop);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* makeTitle(const QString& name, const QString& text, QWidget* parent) {
    QLabel* title = makeText(name, text, parent);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBoldFont(title, SheetHeadingScale);
    return title;
}

} // namespace StaticSheet
