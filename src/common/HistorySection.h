#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

#include "common/ResultHistory.h"

class QGridLayout;
class QLabel;

// A result-history section as every calculator lays it out: a bold heading over each column and
// the three history rows below, newest on top. The history cells are named "<column>_<row>"; the
// headings take the names the sheet gives them. The grid is laid out tight, so a sheet with
// several sections still fits its window.
class HistorySection : public QGroupBox {
    Q_OBJECT
public:
    HistorySection(QWidget* parent, const QStringList& columnNames, const QStringList& headingNames,
                   const QStringList& headingTexts = {});

    ResultHistory& history() { return m_history; }
    const ResultHistory& history() const { return m_history; }
    QLabel* heading(int column) const { return m_headings.at(column); }
    int columnCount() const { return m_history.columnCount(); }

    // Re-captions the headings, one text per column ("" leaves a column without a heading).
    void setHeadings(const QStringList& texts);
    // Headings in the cells' own weight, for sheets whose headers are not bold.
    void setPlainHeadings();
    // The narrowest a column may get, in pixels, so a long result does not squeeze its neighbours.
    void setMinimumColumnWidth(int pixels);
    // The same, as wide as `sample` shown in a cell: the width follows the desktop's font.
    void setMinimumColumnWidth(const QString& sample);
    void setMinimumColumnWidth(int column, const QString& sample);

private:
    ResultHistory m_history;
    std::vector<QLabel*> m_headings;
    QGridLayout* m_grid = nullptr;
};
