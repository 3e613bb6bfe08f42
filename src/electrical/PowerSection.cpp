#include "electrical/PowerSection.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ButtonRow.h"
#include "common/DisplayMask.h"
#include "common/EntryReading.h"
#include "common/ErrorBox.h"
#include "common/GlobalSubs.h"
#include "common/HistorySection.h"
#include "common/SystemColours.h"
#include "common/VoltageList.h"

namespace {
constexpr int PercentDivisor = 100;
constexpr int VoltageColumns = 2;

QStringList columnNames(const Section::Layout& layout) {
    QStringList names;
    for (int c = 0; c < layout.columnCount; ++c)
        names << QString::fromLatin1(layout.columns[c].name);
    return names;
}

// The width a history column keeps while empty, so a typical result does not move the grid: the
// widest voltage, a typed percentage with one decimal, else two digits with two decimals.
QString sampleText(const Section::Column& column) {
    if (column.shows == Section::Shows::Volts)
        return formatMask(StandardVoltages.back(), column.mask);
    if (column.mask.contains(u'%'))
        return formatMask(column.shows == Section::Shows::Result ? 0.8888 : 0.888, column.mask);
    return formatMask(88.88, column.mask);
}

} // namespace

PowerSection::PowerSection(const Section::Layout& layout, std::span<QLabel*> headers,
                           bool threePhase, QWidget* parent)
    : QGroupBox(QString::fromLatin1(layout.caption), parent), layout(layout) {
    setObjectName(QString::fromLatin1(layout.frameName));
    buildControls(headers, threePhase);
}

void PowerSection::buildControls(std::span<QLabel*> headers, bool threePhase) {
    // Created in reading order, which is also the keyboard's tab order.
    volts =
        new VoltageList(QStringLiteral("E(Volts)"), QString::fromLatin1(layout.optionName), this);
    volts->setObjectName(QString::fromLatin1(layout.voltsFrameName));
    // Two columns of options keep three sections within the window's height.
    volts->setColumns(VoltageColumns);
    intVoltage = volts->selectedVolts();
    connect(volts, &VoltageList::voltageChosen, this,
            [this](int index) { intVoltage = volts->volts(index); });

    auto* middle = new QVBoxLayout;
    middle->setSpacing(1);
    const int entryWidth = fontMetrics().horizontalAdvance(QStringLiteral("88888888")) + 8;
    for (int i = 0; i < layout.entryCount; ++i) {
        const Section::Entry& e = layout.entries[i];
        entries[i] =
            makeEntryRow(this, QString::fromLatin1(e.caption), QString::fromLatin1(e.captionName),
                         QString::fromLatin1(e.boxName));
        if (i > 0)
            middle->addSpacing(4);
        middle->addWidget(entries[i].caption);
        auto* line = new QHBoxLayout;
        entries[i].box->setFixedWidth(entryWidth);
        line->addWidget(entries[i].box);
        if (e.percentName) {
            auto* percent = new QLabel(QStringLiteral("(%)"), this);
            percent->setObjectName(QString::fromLatin1(e.percentName));
            line->addWidget(percent);
        }
        line->addStretch();
        middle->addLayout(line);
    }
    middle->addStretch();
    formula = new QLabel(
        QString::fromLatin1(threePhase ? layout.formulaThreePhase : layout.formulaSinglePhase),
        this);
    formula->setObjectName(QString::fromLatin1(layout.formulaName));

    QStringList headerNames;
    QStringList headerTexts;
    for (int c = 0; c < layout.columnCount; ++c) {
        headerNames << QStringLiteral("label2_%1").arg(layout.columns[c].headerIndex);
        headerTexts << QString::fromLatin1(layout.columns[c].header);
    }
    grid = new HistorySection(this, columnNames(layout), headerNames, headerTexts);
    grid->setObjectName(QString::fromLatin1(layout.gridName));
    grid->setPlainHeadings();
    for (int c = 0; c < layout.columnCount; ++c) {
        const Section::Column& column = layout.columns[c];
        headers[column.headerIndex] = grid->heading(c);
        grid->setMinimumColumnWidth(c, sampleText(column));
        if (column.frameBackground)
            grid->history().setNewestRowBackground(c, systemColour(SystemColour::WindowFrame));
    }

    // CLEAR to the left of CALCULATE.
    auto* buttons = new ButtonRow(
        this, {{layout.clearName, "CLEAR"}, {layout.calculateName, "CALCULATE"}}, Qt::Horizontal);
    cmdClear = buttons->button(0);
    cmdCalculate = buttons->button(1);
    connect(cmdClear, &QPushButton::clicked, this, &PowerSection::cmdClear_Click);
    connect(cmdCalculate, &QPushButton::clicked, this, &PowerSection::cmdCalculate_Click);
    for (int i = 0; i < layout.entryCount; ++i)
        pressOnEnter(entries[i].box, cmdCalculate);

    // Voltage list at the left, entries in the middle, history at the right; the formula sits
    // under the entries and the buttons under the history, sharing one line.
    auto* foot = new QHBoxLayout;
    foot->addWidget(formula);
    foot->addSpacing(12);
    foot->addStretch();
    foot->addWidget(buttons);
    auto* body = new QGridLayout(this);
    body->setContentsMargins(6, 2, 6, 4);
    body->setHorizontalSpacing(4);
    body->setVerticalSpacing(2);
    body->addWidget(volts, 0, 0, 3, 1, Qt::AlignTop);
    body->addLayout(middle, 0, 1);
    body->addWidget(grid, 0, 2, Qt::AlignTop);
    body->addLayout(foot, 1, 1, 1, 2);
    // Spare room goes right and below, keeping the grid by its entries and the formula under them.
    body->setColumnStretch(3, 1);
    body->setRowStretch(2, 1);
    // The row stretch must not make the section itself take the sheet's spare height.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

ResultHistory& PowerSection::history() {
    return grid->history();
}

bool PowerSection::readEntries(Section::Values& values) const {
    for (int r = 0; r < layout.entryCount; ++r) {
        const int i = layout.readOrder[r];
        const EntryRow& row = entries[i];
        // An empty box counts as 0 and is shown as "0", so the row tells what was calculated.
        if (row.box->text().isEmpty()) {
            row.box->setText(QStringLiteral("0"));
            values[i] = 0;
            continue;
        }
        const auto value = readNumber(row.box, row.boxName());
        if (!value)
            return false;
        values[i] = layout.entries[i].percentName ? *value / PercentDivisor : *value;
    }
    return true;
}

void PowerSection::cmdCalculate_Click() {
    // Read, compute and check before the history moves: a refused press keeps the rows as they
    // were and records no failure as a result.
    Section::Values values{};
    if (!readEntries(values))
        return;
    const Calculated result = layout.compute(values, intVoltage, GlobalSubs::ThreePhase == -1);
    if (result.fault == ArithmeticFault::DivisionByZero && layout.divisionMessage) {
        showError(layout.divisionMessage());
        return;
    }
    if (!acceptResult(result))
        return;

    QStringList texts;
    for (int c = 0; c < layout.columnCount; ++c) {
        const Section::Column& column = layout.columns[c];
        double shown = result.value;
        switch (column.shows) {
        case Section::Shows::Volts:
            shown = intVoltage;
            break;
        case Section::Shows::Entry0:
            shown = values[0];
            break;
        case Section::Shows::Entry1:
            shown = values[1];
            break;
        case Section::Shows::Entry2:
            shown = values[2];
            break;
        case Section::Shows::Result:
            break;
        }
        texts << formatMask(shown, column.mask);
    }
    grid->history().shift();
    grid->history().setNewestRow(texts);
}

void PowerSection::cmdClear_Click() {
    grid->history().clear();
}
