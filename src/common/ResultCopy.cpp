#include "common/ResultCopy.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "common/ValueLabel.h"

namespace {

int depth(const QWidget* w) {
    int d = 0;
    for (; w; w = w->parentWidget())
        ++d;
    return d;
}

// How deep the nearest ancestor shared by `a` and `b` lies; 0 when they share none.
int sharedDepth(const QWidget* a, const QWidget* b) {
    int da = depth(a), db = depth(b);
    for (; da > db; --da)
        a = a->parentWidget();
    for (; db > da; --db)
        b = b->parentWidget();
    for (; a != b; --da) {
        a = a->parentWidget();
        b = b->parentWidget();
    }
    return da;
}

// Lets Ctrl+C through to the sheet's copy command when an entry box has nothing selected.
class EntryCopyFilter final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (!box || box->hasSelectedText() ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

ResultCopySource::ResultCopySource(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("resultCopy"));
}

bool ResultCopySource::copyToClipboard() const {
    const QString text = copyText();
    if (text.isEmpty())
        return false;
    QGuiApplication::clipboard()->setText(text);
    return true;
}

void ResultCopySource::offerCopy(QWidget* widget) {
    if (!m_copy) {
        m_copy = new QAction(QStringLiteral("Copy"), this);
        m_copy->setObjectName(QStringLiteral("actCopy"));
        connect(m_copy, &QAction::triggered, this, [this] { copyToClipboard(); });
    }
    widget->addAction(m_copy);
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
}

AnswerCopy::AnswerCopy(QWidget* parent, std::vector<AnswerRow> rows) : ResultCopySource(parent) {
    for (const AnswerRow& row : rows)
        addRow(row);
}

void AnswerCopy::addRow(const AnswerRow& row) {
    m_rows.push_back(row);
    offerCopy(row.caption);
    offerCopy(row.value);
    exposeValue(row.value, row.caption);
}

QString AnswerCopy::copyText() const {
    QStringList lines;
    for (const AnswerRow& row : m_rows) {
        if (row.caption->isHidden() || row.value->isHidden() || row.value->text().isEmpty())
            continue;
        lines << tabSeparated({row.caption->text().trimmed(), row.value->text()});
    }
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

QList<QWidget*> AnswerCopy::resultWidgets() const {
    QList<QWidget*> out;
    for (const AnswerRow& row : m_rows)
        out << row.caption << row.value;
    return out;
}

ResultCopySource* makeAnswerCopy(QWidget* parent, std::vector<AnswerRow> rows) {
    return new AnswerCopy(parent, std::move(rows));
}

bool copySheetResults(QWidget* sheet, const QWidget* focus) {
    const QList<ResultCopySource*> sources = sheet->findChildren<ResultCopySource*>();
    std::vector<int> nearness;
    for (const ResultCopySource* source : sources) {
        int best = 0;
        if (focus) {
            for (const QWidget* w : source->resultWidgets())
                best = std::max(best, sharedDepth(w, focus));
        }
        nearness.push_back(best);
    }
    if (sources.isEmpty())
        return false;
    const int nearest = *std::max_element(nearness.begin(), nearness.end());
    QStringList blocks;
    for (qsizetype i = 0; i < sources.size(); ++i) {
        if (nearness[i] == nearest) {
            const QString text = sources[i]->copyText();
            if (!text.isEmpty())
                blocks << text;
        }
    }
    if (blocks.isEmpty())
        return false;
    QGuiApplication::clipboard()->setText(blocks.join(u'\n'));
    return true;
}

void installResultCopy(QWidget* sheet) {
    auto* copy = new QAction(QStringLiteral("Copy"), sheet);
    copy->setObjectName(QStringLiteral("actCopyResults"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QAction::triggered, sheet,
                     [sheet] { copySheetResults(sheet, QApplication::focusWidget()); });
    sheet->addAction(copy);
    auto* filter = new EntryCopyFilter(sheet);
    for (QLineEdit* box : sheet->findChildren<QLineEdit*>())
        box->installEventFilter(filter);
}

QString tabSeparated(const QStringList& cells) {
    QStringList clean;
    for (QString cell : cells) {
        cell.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        clean << cell;
    }
    return clean.join(u'\t');
}
