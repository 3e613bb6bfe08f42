#include "common/AnswerGrid.h"

#include <QGridLayout>
#include <QLabel>

#include "common/Fonts.h"

AnswerGrid::AnswerGrid(QWidget* parent, int middleColumns)
    : QWidget(parent), m_middleColumns(middleColumns) {
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setColumnStretch(valueColumn(), 1);
    m_copy = new AnswerCopy(this);
}

AnswerRow AnswerGrid::addRow(const QString& caption, const QString& captionName,
                             const QString& valueName) {
    AnswerRow row{new QLabel(caption, this), new QLabel(this)};
    row.caption->setObjectName(captionName);
    row.value->setObjectName(valueName);
    row.value->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    row.value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row.value->setMinimumWidth(m_valueWidth);
    const int r = m_firstRow + rowCount();
    m_grid->addWidget(row.caption, r, 0);
    m_grid->addWidget(row.value, r, valueColumn());
    m_copy->addRow(row);
    m_rows.push_back(row);
    return row;
}

QLabel* AnswerGrid::addHeading(int column, const QString& text, const QString& name,
                               Qt::Alignment align) {
    auto* heading = new QLabel(text, this);
    heading->setObjectName(name);
    setBoldFont(heading);
    m_grid->addWidget(heading, 0, column, align);
    m_firstRow = 1;
    return heading;
}

QLabel* AnswerGrid::addCell(int index, int column, const QString& text, const QString& name,
                            Qt::Alignment align) {
    auto* cell = new QLabel(text, this);
    cell->setObjectName(name);
    m_grid->addWidget(cell, m_firstRow + index, column, align);
    cell->stackUnder(m_rows.at(index).value); // read before the value, as it stands
    return cell;
}

void AnswerGrid::setValue(int index, const QString& text) {
    m_rows.at(index).value->setText(text);
}

void AnswerGrid::setValues(const QStringList& texts) {
    for (int i = 0; i < rowCount() && i < texts.size(); ++i)
        setValue(i, texts[i]);
}

void AnswerGrid::fill(const QString& text) {
    for (const AnswerRow& row : m_rows)
        row.value->setText(text);
}

void AnswerGrid::setCaption(int index, const QString& text) {
    m_rows.at(index).caption->setText(text);
}

void AnswerGrid::setRowVisible(int index, bool visible) {
    m_rows.at(index).caption->setVisible(visible);
    m_rows.at(index).value->setVisible(visible);
}

void AnswerGrid::setValueWidth(int pixels) {
    m_valueWidth = pixels;
    for (const AnswerRow& row : m_rows)
        row.value->setMinimumWidth(pixels);
}

void AnswerGrid::clear() {
    for (const AnswerRow& row : m_rows)
        row.value->clear();
}
