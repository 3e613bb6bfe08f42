#include "reference/StaticSheet.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "common/Fonts.h"

namespace StaticSheet {

QWidget* scrollingPage(QWidget* sheet) {
    auto* scroll = new QScrollArea(sheet);
    scroll->setObjectName(QStringLiteral("scrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* page = new QWidget(scroll);
    page->setObjectName(QStringLiteral("page"));
    scroll->setWidget(page);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return page;
}

QLabel* makeText(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* makeTitle(const QString& name, const QString& text, QWidget* parent) {
    QLabel* title = makeText(name, text, parent);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBoldFont(title, SheetHeadingScale);
    return title;
}

} // namespace StaticSheet
