#include "electrical/frmCapacitor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/DisplayMask.h"
#include "common/DrawingView.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/ValueLabel.h"

namespace {
struct Component {
    const char* heading;
    char letter;
    const char* unit;
    const char* answer;
    const char* formulaCaption;
};
constexpr Component Capacitors{"Capacitor Calculations", 'C', "(F)", "Ctotal", "Ctotal="};
constexpr Component Inductors{"Inductor Calculations", 'L', "(mH's)", "Ltotal", "Ltotal="};

constexpr qint16 ReciprocalSum = 0;
constexpr qint16 DirectSum = 1;
} // namespace

frmCapacitor::frmCapacitor(QWidget* parent) : QWidget(parent) {
    GlobalSubs::CurrentFormKind = FormKind::Capacitor;
    setObjectName(QStringLiteral("frmCapacitor"));
    buildControls();
    InitializeForm();
}

bool frmCapacitor::capacitors() const {
    return GlobalSubs::CapacitorMode == -1;
}

void frmCapacitor::buildControls() {
    lblHeading = makeNetworkLabel(this, QStringLiteral("lblHeading"));
    setBoldFont(lblHeading, SheetHeadingScale);

    Frame2 = new QGroupBox(QStringLiteral("Parallel/Series:"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* grid = new QGridLayout(Frame2);
    // Tight rows leave room for the diagram below within the sheet's fixed height.
    grid->setVerticalSpacing(2);
    entries.emplace(Frame2, grid, QStringLiteral("txtCn"));
    for (const EntryRow& row : entries->rows)
        connect(row.box, &QLineEdit::returnPressed, this, [this] { cmdCalculate->click(); });

    result = makeEntryRow(Frame2, QString(), QStringLiteral("lblAnswer_0"),
                          QStringLiteral("txtCtotal_0"));
    result.box->setReadOnly(true);
    Label14 = makeNetworkLabel(Frame2, QStringLiteral("Label14_0"));
    grid->addWidget(result.caption, 0, 4, 1, 2);
    grid->addWidget(result.box, 1, 4);
    grid->addWidget(Label14, 1, 5);

    cmdCalculate = new QPushButton(QStringLiteral("CALCULATE"), Frame2);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setAutoDefault(false);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmCapacitor::cmdCalculate_Click);
    cmdClear = new QPushButton(QStringLiteral("CLEAR"), Frame2);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClear->setAutoDefault(false);
    connect(cmdClear, &QPushButton::clicked, this, &frmCapacitor::cmdClear_Click);
    grid->addWidget(cmdCalculate, 3, 4, 1, 2);
    grid->addWidget(cmdClear, 5, 4, 1, 2);

    const std::array<QString, 2> captions{QStringLiteral("Series"), QStringLiteral("Parallel")};
    fraSorP = makeCircuitOptions(Frame2, captions, optSorP, [this](int i) { optSorP_Click(i); });
    grid->addWidget(fraSorP, 12, 0, 1, 2, Qt::AlignTop);

    auto* formulas = new QVBoxLayout;
    lblFormula1 = makeNetworkLabel(Frame2, QStringLiteral("lblFormula1_2"));
    lblFormula = makeNetworkLabel(Frame2, QStringLiteral("lblFormula"));
    lblFormula->setTextInteractionFlags(Qt::TextSelectableByMouse);
    exposeValue(lblFormula, lblFormula1); // "Ctotal" or "Ltotal", then the sum worked out
    formulas->addWidget(lblFormula1);
    formulas->addWidget(lblFormula);
    formulas->addStretch();
    grid->addLayout(formulas, 12, 2, 1, 4);
    grid->setColumnMinimumWidth(4, 110);

    picSeries = makeCircuitDiagram(this, "picSeries", "circuit-capacitor-series.svg");
    picParallel = makeCircuitDiagram(this, "picParallel", "circuit-capacitor-parallel.svg");
    auto* pictures = new QGridLayout;
    pictures->addWidget(picSeries, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    pictures->addWidget(picParallel, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    picParallel->hide();

    auto* body = new QVBoxLayout;
    body->addWidget(lblHeading);
    body->addWidget(Frame2);
    body->addLayout(pictures);
    body->addStretch();
    body->setSpacing(4);
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(6, 4, 6, 4);
    page->addLayout(body);
    page->addStretch();
    setFocusProxy(entries->rows[0].box);
}

void frmCapacitor::InitializeForm() {
    const Component& component = capacitors() ? Capacitors : Inductors;
    const QString unit = QLatin1String(component.unit);
    lblHeading->setText(QLatin1String(component.heading));
    for (int i = 0; i < SeriesParallel::EntryCount; ++i) {
        entries->rows[i].setCaption(QLatin1Char(component.letter) + QString::number(i + 1));
        entries->units[i]->setText(unit);
    }
    Label14->setText(unit);
    result.setCaption(QLatin1String(component.answer));
    lblFormula1->setText(QLatin1String(component.formulaCaption));
    if (capacitors()) {
        FormulaSelect = ReciprocalSum;
    } else {
        picSeries->hide();
        FormulaSelect = DirectSum;
    }
}

void frmCapacitor::optSorP_Click(int index) {
    const bool series = index == 0;
    if (capacitors()) {
        picSeries->setVisible(series);
        picParallel->setVisible(!series);
        FormulaSelect = series ? ReciprocalSum : DirectSum;
    } else {
        picSeries->hide();
        picParallel->hide();
        FormulaSelect = series ? DirectSum : ReciprocalSum;
    }
}

void frmCapacitor::cmdCalculate_Click() {
    if (FormulaSelect != ReciprocalSum && FormulaSelect != DirectSum)
        return;
    const QChar letter = capacitors() ? u'C' : u'L';
    const auto total = totalOfEntries(
        *entries, FormulaSelect == DirectSum ? SumRule::Direct : SumRule::Reciprocal, letter);
    if (!total)
        return;
    lblFormula->setText(total->formula);
    result.box->setText(formatMask(total->total.value, Mask::TwoToThreeDecimalsLeadingZero));
}

void frmCapacitor::cmdClear_Click() {
    lblFormula->clear();
    result.box->clear();
    entries->clear();
}
