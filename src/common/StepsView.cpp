#include "common/StepsView.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "common/ResultCopy.h"

namespace {

class StepsCopy final : public ResultCopySource {
public:
    StepsCopy(QWidget* parent, QLabel* caption, QPlainTextEdit* text)
        : ResultCopySource(parent), m_caption(caption), m_text(text) {
        offerCopy(caption);
    }

    QString copyText() const override {
        const QString text = m_text->toPlainText();
        return text.isEmpty() ? QString() : m_caption->text() + u'\n' + text + u'\n';
    }

    QList<QWidget*> resultWidgets() const override { return {m_caption, m_text}; }

private:
    QLabel* m_caption;
    QPlainTextEdit* m_text;
};

} // namespace

StepsView::StepsView(QWidget* parent) : QWidget(parent) {
    m_caption = new QLabel(QStringLiteral("Steps"), this);
    m_caption->setObjectName(QStringLiteral("lblSteps"));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtSteps"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setTabChangesFocus(true);
    m_text->setAccessibleName(QStringLiteral("Steps"));
    m_caption->setBuddy(m_text);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_caption);
    layout->addWidget(m_text, 1);
    new StepsCopy(this, m_caption, m_text);
}

void StepsView::setShortestLines(int lines) {
    m_text->setMinimumHeight(m_text->fontMetrics().lineSpacing() * lines);
    // The text asks for no more than those lines; it still takes whatever room the sheet has left.
    QSizePolicy policy = m_text->sizePolicy();
    policy.setVerticalPolicy(QSizePolicy::Ignored);
    m_text->setSizePolicy(policy);
}

void StepsView::setSteps(const QStringList& lines) {
    m_text->setPlainText(lines.join(u'\n'));
}

void StepsView::clear() {
    m_text->clear();
}

QStringList StepsView::steps() const {
    const QString text = m_text->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}
