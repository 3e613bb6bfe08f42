#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

#include "common/ResultHistory.h"

class QGridLayout;
class QLabel;

// A result-history section as every calculator lays it out: a bold heading over each column and
// the three history rows below, newest on top. The history cells are named "<column>_<row>"; the
// headings take the names the sheet gives them.
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
    // The narrowest a column may get, in pixels, so a long result does not squeeze its neighbours.
    void setMinimumColumnWidth(int pixels);

private:
    ResultHistory m_history;
    std::vector<QLabel*> m_headings;
    QGridLayout* m_grid = nullptr;
};
