#include "reference/MotorCurrentSheet.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ButtonRow.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/HistorySection.h"
#include "common/VoltageList.h"
#include "database/SourcesLine.h"
#include "reference/HorsepowerList.h"

namespace {
// Display order, left to right; the shift walks them in the same order, which changes nothing.
const QStringList historyColumns{QStringLiteral("lblHp"), QStringLiteral("lblVoltage"),
                                 QStringLiteral("lblAmps")};
const QStringList columnHeadings{QStringLiteral("HP"), QStringLiteral("E(Volts)"),
                                 QStringLiteral("I(Amperes)")};
} // namespace

MotorCurrentSheet::MotorCurrentSheet(const MotorCurrentLayout& layout, QWidget* parent,
                                     const QString& databasePath)
    : QWidget(parent), m_layout(layout), database(QString::fromLatin1(layout.table), databasePath) {
    GlobalSubs::CurrentFormKind = layout.kind;
    setObjectName(QString::fromLatin1(layout.formName));
    buildControls();
    fraHp->select(layout.horsepowerAtLoad);
    fraVoltage->select(layout.voltageAtLoad);
    optHp_Click(layout.horsepowerAtLoad);
    optVoltage_Click(layout.voltageAtLoad);
}

void MotorCurrentSheet::buildControls() {
    Label6[0] = new QLabel(QString::fromLatin1(m_layout.heading), this);
    Label6[0]->setObjectName(QStringLiteral("Label6_0"));
    setBoldFont(Label6[0], SheetHeadingScale);
    lblSources = makeSourcesLabel(database.sources(), this);
    lblSources->setVisible(!database.sources().isEmpty());

    fraCurrent = new QGroupBox(this);
    fraCurrent->setObjectName(QStringLiteral("fraCurrent"));
    fraHp = new HorsepowerList(m_layout.horsepowers, m_layout.shownHorsepowers, fraCurrent);
    connect(fraHp, &HorsepowerList::chosen, this, &MotorCurrentSheet::optHp_Click);
    fraVoltage = new VoltageList(QStringLiteral("Voltage"), QStringLiteral("optVoltage"),
                                 fraCurrent, m_layout.voltages);
    fraVoltage->setObjectName(QStringLiteral("fraVoltage"));
    // A hidden option gives up its place, so the options shown close up at the top.
    for (int i = 0; i < fraVoltage->count(); ++i)
        fraVoltage->option(i)->setVisible(std::ranges::find(m_layout.shownVoltages, i) !=
                                          m_layout.shownVoltages.end());
    connect(fraVoltage, &VoltageList::voltageChosen, this, &MotorCurrentSheet::optVoltage_Click);

    Frame1 = new HistorySection(
        fraCurrent, historyColumns,
        {QStringLiteral("label2_0"), QStringLiteral("label2_1"), QStringLiteral("label2_2")},
        columnHeadings);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setMinimumColumnWidth(columnHeadings.back()); // as wide as the widest heading
    for (int c = 0; c < Frame1->columnCount(); ++c)
        label2[c] = Frame1->heading(c);

    auto* buttons = new ButtonRow(
        fraCurrent, {{m_layout.findButton, "FIND (A)"}, {m_layout.clearButton, "CLEAR"}},
        Qt::Horizontal);
    cmdFind = buttons->button(0);
    cmdClear = buttons->button(1);
    connect(cmdFind, &QPushButton::clicked, this, &MotorCurrentSheet::findCurrent);
    connect(cmdClear, &QPushButton::clicked, this, &MotorCurrentSheet::clearHistory);

    lblTypical = new QLabel(QString::fromLatin1(MotorCurrentLayouts::TypicalFootnote), fraCurrent);
    lblTypical->setObjectName(QStringLiteral("lblTypical"));
    lblTypical->setVisible(!m_layout.typicalHorsepowers.empty());

    auto* right = new QVBoxLayout;
    right->addWidget(Frame1);
    right->addWidget(buttons, 0, Qt::AlignLeft);
    right->addWidget(lblTypical);
    right->addStretch();
    auto* body = new QHBoxLayout(fraCurrent);
    body->addWidget(fraHp, 0, Qt::AlignTop);
    body->addWidget(fraVoltage, 0, Qt::AlignTop);
    body->addLayout(right);
    body->addStretch();

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label6[0]);
    page->addWidget(lblSources);
    page->addWidget(fraCurrent);
    page->addStretch();

    setFocusProxy(fraHp->option(m_layout.horsepowerAtLoad));
    setTabOrder(fraVoltage->option(fraVoltage->count() - 1), cmdFind);
    setTabOrder(cmdFind, cmdClear);
}

void MotorCurrentSheet::optHp_Click(int index) {
    if (index < 0 || index >= static_cast<int>(m_layout.horsepowers.size()))
        return;
    const HorsepowerOption& hp = m_layout.horsepowers[index];
    m_horsepowerKey = QString::fromLatin1(hp.key);
    m_horsepowerText = QString::fromLatin1(hp.text);
    m_typical =
        std::ranges::find(m_layout.typicalHorsepowers, index) != m_layout.typicalHorsepowers.end();
}

void MotorCurrentSheet::optVoltage_Click(int index) {
    if (index < 0 || index >= fraVoltage->count())
        return;
    m_voltageColumn = VoltageList::caption(fraVoltage->volts(index));
}

void MotorCurrentSheet::findCurrent() {
    // The history moves only once a current is found, so a failed look-up leaves the rows as
    // they were instead of repeating the previous result as if it were new.
    const auto cells = database.lookUp(QString::fromLatin1(MotorCurrentLayouts::KeyField),
                                       m_horsepowerKey, {m_voltageColumn});
    if (!cells)
        return;
    QString amps = cells->front();
    if (m_typical && amps != QLatin1String(NoValueText))
        amps += QLatin1String(MotorCurrentLayouts::TypicalMark);
    Shift();
    Frame1->history().setNewestRow({m_horsepowerText, m_voltageColumn, amps});
}

void MotorCurrentSheet::clearHistory() {
    Frame1->history().clear();
}

void MotorCurrentSheet::Shift() {
    Frame1->history().shift();
}
