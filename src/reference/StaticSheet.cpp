#include "reference/StaticSheet.h"

#include <QLabel>

#include "common/Fonts.h"

namespace StaticSheet {

QLabel* makeText(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Selectable by keyboard as well, so Tab walks the texts in reading order for a screen reader.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

QLabel* makeTitle(const QString& name, const QString& text, QWidget* parent) {
    QLabel* title = makeText(name, text, parent);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBoldFont(title, SheetHeadingScale);
    return title;
}

} // namespace StaticSheet
