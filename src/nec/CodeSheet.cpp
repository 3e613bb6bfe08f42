#include "nec/CodeSheet.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/AnswerGrid.h"
#include "common/ButtonRow.h"
#include "common/EntryReading.h"
#include "common/ErrorBox.h"
#include "common/Fonts.h"
#include "common/HistorySection.h"
#include "common/StepsView.h"
#include "database/SourcesLine.h"

CodeSheet::CodeSheet(QWidget* parent, const QString& objectName, const QString& heading,
                     const QStringList& tables)
    : QWidget(parent), m_tables(tables) {
    setObjectName(objectName);
    m_heading = new QLabel(heading, this);
    m_heading->setObjectName(QStringLiteral("lblHeading"));
    setBoldFont(m_heading, SheetHeadingScale);
    m_sourcesLabel = makeSourcesLabel(m_tables.sources(), this);

    m_inputs = new QGridLayout;
    m_inputs->setVerticalSpacing(4);
    m_buttons = makeCalculateClearRow(this, Qt::Horizontal);
    connect(m_buttons->button(0), &QPushButton::clicked, this, [this] { cmdCalculate_Click(); });
    connect(m_buttons->button(1), &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    m_answers = new AnswerGrid(this);
    m_answers->setObjectName(QStringLiteral("fraAnswers"));
    // Wide enough for "2000 kcmil" or "2000.00", so empty answers keep their place.
    m_answers->setValueWidth(fontMetrics().horizontalAdvance(QStringLiteral("2000 kcmil")) + 8);
    m_results = new QVBoxLayout;
    m_results->addWidget(m_buttons);
    m_results->addWidget(m_answers);

    auto* body = new QHBoxLayout;
    body->addLayout(m_inputs);
    body->addSpacing(12);
    body->addLayout(m_results);
    // Room beyond what the answers need stays empty, so a maximised sheet keeps its buttons and
    // answers compact beside the givens.
    body->addStretch(1);
    m_body = body;

    m_steps = new StepsView(this);
    // A few lines at first; the steps take whatever height the sheet has left.
    m_steps->setShortestLines(4);
    m_page = new QVBoxLayout(this);
    m_page->addWidget(m_heading);
    m_page->addWidget(m_sourcesLabel);
    m_page->addLayout(body);
    m_page->addWidget(m_steps, 1);
}

void CodeSheet::setBodyStretch(int stretch) {
    m_page->setStretchFactor(m_body, stretch);
}

HistorySection* CodeSheet::addHistory(const QStringList& columnNames, const QStringList& headings) {
    QStringList headingNames;
    for (const QString& column : columnNames)
        headingNames << column + QStringLiteral("_heading");
    m_history = new HistorySection(this, columnNames, headingNames, headings);
    m_history->setObjectName(QStringLiteral("fraHistory"));
    m_page->insertWidget(m_page->indexOf(m_steps), m_history);
    return m_history;
}

EntryRow CodeSheet::addEntry(const QString& caption, const QString& captionName,
                             const QString& boxName, const QString& text) {
    EntryRow row = makeEntryRow(this, caption, captionName, boxName);
    row.box->setText(text);
    pressOnEnter(row.box, m_buttons->button(0));
    return row;
}

void CodeSheet::clearResults() {
    m_answers->clear();
    m_steps->clear();
    if (m_history)
        m_history->history().clear();
}

CodeSheet::ListRow CodeSheet::addList(const QString& caption, const QString& captionName,
                                      const QString& listName) {
    ListRow row{new QLabel(caption, this), new QComboBox(this)};
    row.caption->setObjectName(captionName);
    row.list->setObjectName(listName);
    row.list->setAccessibleName(caption);
    row.caption->setBuddy(row.list);
    return row;
}

std::optional<double> CodeSheet::read(const EntryRow& row) {
    return readNumber(row.box, row.boxName());
}

void CodeSheet::refuse(const Nec::Refusal& refusal) {
    showError(refusal.message, QStringLiteral("Error"));
}
