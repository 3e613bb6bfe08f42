#include "common/WrappedText.h"

#include <QEvent>
#include <QHash>
#include <optional>
#include <utility>
#include <vector>

struct WrappedText::Measures {
    std::optional<QSize> sizeHint;
    std::optional<QSize> minimumSizeHint;
    std::vector<std::pair<int, int>> heights; // (width, height), a handful at most
};

WrappedText::WrappedText(const QString& text, QWidget* parent, Focus focus)
    : QLabel(text, parent), m_focus(focus) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setFocusPolicy(focus == Focus::TabStop ? Qt::StrongFocus : Qt::NoFocus);
}

WrappedText::Measures& WrappedText::measures() const {
    static QHash<QString, Measures> remembered;
    if (m_key.isEmpty() || m_keyMargin != margin() || m_keyText != text()) {
        m_keyText = text();
        m_keyMargin = margin();
        m_key = m_keyText + u'\x1f' + font().key() + u'\x1f' + QString::number(logicalDpiX()) +
                u'\x1f' + QString::number(m_keyMargin);
    }
    return remembered[m_key];
}

void WrappedText::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_key.clear();
    QLabel::changeEvent(event);
}

QSize WrappedText::sizeHint() const {
    Measures& m = measures();
    if (!m.sizeHint)
        m.sizeHint = QLabel::sizeHint();
    return *m.sizeHint;
}

QSize WrappedText::minimumSizeHint() const {
    Measures& m = measures();
    if (!m.minimumSizeHint)
        m.minimumSizeHint = QLabel::minimumSizeHint();
    return *m.minimumSizeHint;
}

int WrappedText::heightForWidth(int width) const {
    Measures& m = measures();
    for (const auto& [w, h] : m.heights)
        if (w == width)
            return h;
    const int height = QLabel::heightForWidth(width);
    if (m.heights.size() < 16)
        m.heights.push_back({width, height});
    return height;
}

void WrappedText::focusInEvent(QFocusEvent* event) {
    makeSelectable();
    QLabel::focusInEvent(event);
}

void WrappedText::mousePressEvent(QMouseEvent* event) {
    makeSelectable();
    QLabel::mousePressEvent(event);
}

void WrappedText::makeSelectable() {
    if (textInteractionFlags() != Qt::NoTextInteraction)
        return;
    if (m_focus == Focus::TabStop) {
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setFocusPolicy(Qt::StrongFocus); // the flags above would leave it click-only
    } else {
        setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
}
