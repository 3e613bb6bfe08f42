#include "common/ResultHistory.h"

#include <QLabel>

#include "common/HistoryCells.h"
#include "common/SystemColours.h"

namespace {

void paintRow(QLabel* label, int row) {
    QPalette palette = label->palette();
    if (row == 0) {
        palette.setColor(QPalette::Window, NewestRowBackground);
        palette.setColor(QPalette::WindowText, NewestRowText);
    } else {
        palette.setColor(QPalette::Window, systemColour(SystemColour::ActiveBorder));
        palette.setColor(QPalette::WindowText, systemColour(SystemColour::WindowText));
    }
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

} // namespace

ResultHistory::ResultHistory(QWidget* parent, const QStringList& columnNames)
    : m_cells(new HistoryCells(parent, Rows)) {
    m_columns.reserve(columnNames.size());
    for (const QString& name : columnNames) {
        Column column{};
        for (int row = 0; row < Rows; ++row) {
            auto* label = new QLabel(parent);
            label->setObjectName(name + u'_' + QString::number(row));
            label->setProperty(RowProperty, row);
            label->setAlignment(Qt::AlignCenter);
            label->setFrameShape(QFrame::Panel);
            label->setFrameShadow(QFrame::Sunken);
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            paintRow(label, row);
            column[row] = label;
        }
        m_columns.push_back(column);
        m_cells->addColumn({column.begin(), column.end()});
    }
}

void ResultHistory::setHeading(int column, const QLabel* heading) {
    m_cells->setHeading(column, heading);
}

void ResultHistory::setHeading(int column, const QString& text) {
    m_cells->setHeading(column, text);
}

QString ResultHistory::headingText(int column) const {
    return m_cells->headingText(column);
}

QString ResultHistory::copyText() const {
    return m_cells->copyText();
}

void ResultHistory::shift() {
    for (int row = Rows - 1; row >= 1; --row) {
        for (const Column& column : m_columns)
            column[row]->setText(column[row - 1]->text());
    }
}

void ResultHistory::clear() {
    for (int row = 0; row < Rows; ++row) {
        for (const Column& column : m_columns)
            column[row]->clear();
    }
}

void ResultHistory::setNewestRow(const QStringList& texts) {
    const auto n = std::min<qsizetype>(texts.size(), columnCount());
    for (qsizetype c = 0; c < n; ++c)
        m_columns[c][0]->setText(texts[c]);
}

void ResultHistory::setNewestRowBackground(int column, const QColor& background) {
    QLabel* label = m_columns.at(column)[0];
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
}
