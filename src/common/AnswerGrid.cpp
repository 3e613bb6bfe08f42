#include "common/AnswerGrid.h"

#include <QGridLayout>
#include <QLabel>

AnswerGrid::AnswerGrid(QWidget* parent) : QWidget(parent) {
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setColumnStretch(1, 1);
    m_copy = new AnswerCopy(this);
}

AnswerRow AnswerGrid::addRow(const QString& caption, const QString& captionName,
                             const QString& valueName) {
    AnswerRow row{new QLabel(caption, this), new QLabel(this)};
    row.caption->setObjectName(captionName);
    row.value->setObjectName(valueName);
    const int r = rowCount();
    m_grid->addWidget(row.caption, r, 0);
    m_grid->addWidget(row.value, r, 1);
    m_copy->addRow(row);
    m_rows.push_back(row);
    return row;
}

void AnswerGrid::setValue(int index, const QString& text) {
    m_rows.at(index).value->setText(text);
}

void AnswerGrid::setRowVisible(int index, bool visible) {
    m_rows.at(index).caption->setVisible(visible);
    m_rows.at(index).value->setVisible(visible);
}

void AnswerGrid::clear() {
    for (const AnswerRow& row : m_rows)
        row.value->clear();
}
