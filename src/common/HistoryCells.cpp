#include "common/HistoryCells.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>

namespace {

const char* const cellsProperty = "kelvoHistoryCells";
const char* const columnProperty = "kelvoHistoryColumn";
const char* const rowProperty = "kelvoHistoryRow";

HistoryCells* cellsOf(const QObject* label) {
    return qobject_cast<HistoryCells*>(label->property(cellsProperty).value<QObject*>());
}

// A history cell is announced by its column heading and row; its text is its value, so the
// name does not change with every result and the value is read after it.
class HistoryCellAccessible final : public QAccessibleWidget {
public:
    explicit HistoryCellAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText), m_cells(cellsOf(label)) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        switch (t) {
        case QAccessible::Name:
            if (!label->accessibleName().isEmpty() || !m_cells)
                return label->accessibleName();
            return m_cells->cellName(label->property(columnProperty).toInt(),
                                     label->property(rowProperty).toInt());
        case QAccessible::Value:
        case QAccessible::Description:
            return label->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }

private:
    QPointer<HistoryCells> m_cells;
};

QAccessibleInterface* historyCellFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QLabel") || !object || !cellsOf(object))
        return nullptr;
    return new HistoryCellAccessible(static_cast<QLabel*>(object));
}

// The layout, among `layout` and those nested in it, that holds `widget` directly.
QLayout* layoutHolding(QLayout* layout, const QWidget* widget) {
    if (!layout)
        return nullptr;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget)
            return layout;
        if (QLayout* found = layoutHolding(item->layout(), widget))
            return found;
    }
    return nullptr;
}

const QLabel* headingLabel(const QLayoutItem* item) {
    auto* label = item ? qobject_cast<const QLabel*>(item->widget()) : nullptr;
    return label && !cellsOf(label) ? label : nullptr;
}

} // namespace

HistoryCells::HistoryCells(QObject* parent, int rows) : ResultCopySource(parent), m_rows(rows) {
    setObjectName(QStringLiteral("historyCells"));
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(historyCellFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void HistoryCells::addColumn(const std::vector<QLabel*>& cells) {
    const int c = static_cast<int>(m_columns.size());
    Column column;
    for (int row = 0; row < static_cast<int>(cells.size()); ++row) {
        QLabel* cell = cells[row];
        cell->setProperty(cellsProperty, QVariant::fromValue(static_cast<QObject*>(this)));
        cell->setProperty(columnProperty, c);
        cell->setProperty(rowProperty, row);
        offerCopy(cell);
        column.cells.emplace_back(cell);
    }
    m_columns.push_back(std::move(column));
}

void HistoryCells::setHeading(int column, const QLabel* heading) {
    m_columns.at(column).headingLabel = heading;
}

void HistoryCells::setHeading(int column, const QString& text) {
    m_columns.at(column).headingText = text;
}

const QLabel* HistoryCells::labelAbove(const QLabel* top) const {
    if (!top || !top->parentWidget())
        return nullptr;
    QLayout* layout = layoutHolding(top->parentWidget()->layout(), top);
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(top), &row, &column, &rowSpan, &columnSpan);
        return row > 0 ? headingLabel(grid->itemAtPosition(row - 1, column)) : nullptr;
    }
    if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
        const int index = box->indexOf(top);
        const bool vertical = box->direction() == QBoxLayout::TopToBottom;
        return vertical && index > 0 ? headingLabel(box->itemAt(index - 1)) : nullptr;
    }
    return nullptr;
}

QString HistoryCells::headingText(int column) const {
    const Column& c = m_columns.at(column);
    if (c.headingLabel)
        return c.headingLabel->text();
    if (!c.headingText.isEmpty())
        return c.headingText;
    const QLabel* above = labelAbove(c.cells.empty() ? nullptr : c.cells.front().data());
    return above ? above->text() : QString();
}

QString HistoryCells::cellName(int column, int row) const {
    QString heading = headingText(column).simplified();
    if (heading.isEmpty())
        heading = QStringLiteral("Column %1").arg(column + 1);
    return QStringLiteral("%1, row %2").arg(heading).arg(row + 1);
}

QString HistoryCells::copyText() const {
    std::vector<int> shown;
    for (int c = 0; c < static_cast<int>(m_columns.size()); ++c) {
        const auto& cells = m_columns[c].cells;
        if (!cells.empty() && cells.front() && !cells.front()->isHidden())
            shown.push_back(c);
    }
    QStringList lines;
    for (int row = 0; row < m_rows; ++row) {
        QStringList cells;
        bool any = false;
        for (int c : shown) {
            const QLabel* cell = m_columns[c].cells.at(row);
            cells << (cell ? cell->text() : QString());
            any = any || !cells.back().isEmpty();
        }
        if (any)
            lines << tabSeparated(cells);
    }
    if (lines.isEmpty())
        return {};
    QStringList headings;
    for (int c : shown)
        headings << headingText(c).simplified();
    return tabSeparated(headings) + u'\n' + lines.join(u'\n') + u'\n';
}

QList<QWidget*> HistoryCells::resultWidgets() const {
    QList<QWidget*> out;
    for (const Column& column : m_columns)
        for (const auto& cell : column.cells)
            if (cell)
                out << cell.data();
    return out;
}
