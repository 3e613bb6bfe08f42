#include "electrical/PowerSection.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/DisplayMask.h"
#include "common/EntryReading.h"
#include "common/ErrorBox.h"
#include "common/GlobalSubs.h"
#include "common/SystemColours.h"
#include "common/VoltageList.h"

namespace {
constexpr int PercentDivisor = 100;
constexpr int HistoryCellWidth = 72;
constexpr int EntryWidth = 110;

QStringList columnNames(const Section::Layout& layout) {
    QStringList names;
    for (int c = 0; c < layout.columnCount; ++c)
        names << QString::fromLatin1(layout.columns[c].name);
    return names;
}

QPushButton* makeButton(QWidget* parent, const char* text, const char* name) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}
} // namespace

PowerSection::PowerSection(const Section::Layout& layout, std::span<QLabel*> headers,
                           bool threePhase, QWidget* parent)
    : QGroupBox(QString::fromLatin1(layout.caption), parent), layout(layout),
      m_history(this, columnNames(layout)) {
    setObjectName(QString::fromLatin1(layout.frameName));
    buildControls(headers, threePhase);
}

void PowerSection::buildControls(std::span<QLabel*> headers, bool threePhase) {
    // Created in reading order, which is also the keyboard's tab order.
    volts =
        new VoltageList(QStringLiteral("E(Volts)"), QString::fromLatin1(layout.optionName), this);
    volts->setObjectName(QString::fromLatin1(layout.voltsFrameName));
    intVoltage = volts->selectedVolts();
    connect(volts, &VoltageList::voltageChosen, this,
            [this](int index) { intVoltage = volts->volts(index); });

    auto* middle = new QVBoxLayout;
    for (int i = 0; i < layout.entryCount; ++i) {
        const Section::Entry& e = layout.entries[i];
        entries[i] =
            makeEntryRow(this, QString::fromLatin1(e.caption), QString::fromLatin1(e.captionName),
                         QString::fromLatin1(e.boxName));
        connect(entries[i].box, &QLineEdit::returnPressed, this, [this] { cmdCalculate->click(); });
        middle->addWidget(entries[i].caption);
        auto* line = new QHBoxLayout;
        entries[i].box->setFixedWidth(EntryWidth);
        line->addWidget(entries[i].box);
        if (e.percentName) {
            auto* percent = new QLabel(QStringLiteral("(%)"), this);
            percent->setObjectName(QString::fromLatin1(e.percentName));
            line->addWidget(percent);
        }
        line->addStretch();
        middle->addLayout(line);
    }
    formula = new QLabel(
        QString::fromLatin1(threePhase ? layout.formulaThreePhase : layout.formulaSinglePhase),
        this);
    formula->setObjectName(QString::fromLatin1(layout.formulaName));
    middle->addSpacing(6);
    middle->addWidget(formula);
    middle->addStretch();

    auto* grid = new QFrame(this);
    grid->setObjectName(QString::fromLatin1(layout.gridName));
    grid->setFrameShape(QFrame::StyledPanel);
    auto* cells = new QGridLayout(grid);
    cells->setHorizontalSpacing(4);
    for (int c = 0; c < layout.columnCount; ++c) {
        const Section::Column& column = layout.columns[c];
        auto* header = new QLabel(QString::fromLatin1(column.header), grid);
        header->setObjectName(QStringLiteral("label2_%1").arg(column.headerIndex));
        header->setAlignment(Qt::AlignCenter);
        headers[column.headerIndex] = header;
        cells->addWidget(header, 0, c);
        for (int row = 0; row < ResultHistory::Rows; ++row) {
            QLabel* cell = m_history.label(c, row);
            cell->setParent(grid);
            cell->setMinimumWidth(HistoryCellWidth);
            cells->addWidget(cell, row + 1, c);
        }
        if (column.frameBackground)
            m_history.setNewestRowBackground(c, systemColour(SystemColour::WindowFrame));
    }

    cmdClear = makeButton(this, "CLEAR", layout.clearName);
    connect(cmdClear, &QPushButton::clicked, this, &PowerSection::cmdClear_Click);
    cmdCalculate = makeButton(this, "CALCULATE", layout.calculateName);
    connect(cmdCalculate, &QPushButton::clicked, this, &PowerSection::cmdCalculate_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClear);
    buttons->addWidget(cmdCalculate);
    auto* right = new QVBoxLayout;
    right->addWidget(grid);
    right->addLayout(buttons);
    right->addStretch();

    auto* body = new QHBoxLayout(this);
    body->addWidget(volts);
    body->addLayout(middle);
    body->addLayout(right);
    body->addStretch(1); // the spare width goes to the right, keeping the grid by its entries
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
    m_history.shift();
    m_history.setNewestRow(texts);
}

void PowerSection::cmdClear_Click() {
    m_history.clear();
}
