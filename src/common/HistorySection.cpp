#include "common/HistorySection.h"

#include <QGridLayout>
#include <QLabel>

#include "common/Fonts.h"

HistorySection::HistorySection(QWidget* parent, const QStringList& columnNames,
                               const QStringList& headingNames, const QStringList& headingTexts)
    : QGroupBox(parent), m_history(this, columnNames) {
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(4, 4, 4, 4);
    m_grid->setHorizontalSpacing(6);
    m_grid->setVerticalSpacing(1);
    for (int c = 0; c < m_history.columnCount(); ++c) {
        auto* heading = new QLabel(headingTexts.value(c), this);
        heading->setObjectName(headingNames.value(c));
        heading->setAlignment(Qt::AlignCenter);
        setBoldFont(heading);
        m_grid->addWidget(heading, 0, c);
        m_history.setHeading(c, heading);
        m_headings.push_back(heading);
        for (int row = 0; row < ResultHistory::Rows; ++row)
            m_grid->addWidget(m_history.label(c, row), row + 1, c);
    }
}

void HistorySection::setHeadings(const QStringList& texts) {
    for (int c = 0; c < columnCount(); ++c)
        m_headings[c]->setText(texts.value(c));
}

void HistorySection::setPlainHeadings() {
    for (QLabel* heading : m_headings) {
        QFont plain = heading->font();
        plain.setBold(false);
        heading->setFont(plain);
    }
}

void HistorySection::setMinimumColumnWidth(int pixels) {
    for (int c = 0; c < columnCount(); ++c)
        for (int row = 0; row < ResultHistory::Rows; ++row)
            m_history.label(c, row)->setMinimumWidth(pixels);
}

void HistorySection::setMinimumColumnWidth(const QString& sample) {
    for (int c = 0; c < columnCount(); ++c)
        setMinimumColumnWidth(c, sample);
}

void HistorySection::setMinimumColumnWidth(int column, const QString& sample) {
    for (int row = 0; row < ResultHistory::Rows; ++row) {
        QLabel* cell = m_history.label(column, row);
        // The frame and a little air on each side.
        const int frame = 2 * cell->frameWidth() + 2 * cell->margin() + 4;
        cell->setMinimumWidth(cell->fontMetrics().horizontalAdvance(sample) + frame);
    }
}
