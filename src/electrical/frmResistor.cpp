#include "electrical/frmResistor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/Conversions.h"
#include "common/DisplayMask.h"
#include "common/DrawingView.h"
#include "common/EntryReading.h"
#include "common/ErrorBox.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/ValueLabel.h"
#include "electrical/ResistorConversions.h"

struct frmResistor::Layout {
    bool allEntries; // R4 to R12 shown
    std::array<const char*, 3> captions;
    std::array<const char*, 3> formulas;
    std::array<const char*, 3> answers;
    bool threeResults;
};

namespace {
using Layout = frmResistor::Layout;

constexpr Layout SeriesOrParallel{
    true, {"R1 =", "R2 =", "R3 ="}, {"", "", "Rtotal="}, {"Rtotal", "", ""}, false};
constexpr Layout DeltaToWye{
    false,
    {"Ra =", "Rb =", "Rc ="},
    {"R1=((Ra*Rb)/(Ra+Rb+Rc)", "R2=((Rb*Rc)/(Ra+Rb+Rc)", "R3=((Ra*Rc)/(Ra+Rb+Rc)"},
    {"R1", "R2", "R3"},
    true};
constexpr Layout WyeToDelta{false,
                            {"R1 =", "R2 =", "R3 ="},
                            {"Ra=((R1*R2) + (R2*R3) + (R1*R3))/R2",
                             "Rb=((R1*R2) + (R2*R3) + (R1*R3))/R3",
                             "Rc=((R1*R2) + (R2*R3) + (R1*R3))/R1"},
                            {"Ra", "Rb", "Rc"},
                            true};

const std::array<QString, 4> circuitCaptions{QStringLiteral("Series"), QStringLiteral("Parallel"),
                                             QStringLiteral("Delta -> Wye"),
                                             QStringLiteral("Wye -> Delta")};
const QString ohms = QStringLiteral(" ohms");
const QColor resultColour{255, 0, 0};
} // namespace

frmResistor::frmResistor(QWidget* parent) : QWidget(parent) {
    GlobalSubs::CurrentFormKind = FormKind::Resistor;
    setObjectName(QStringLiteral("frmResistor"));
    buildControls();
    AdjustForSorP();
}

void frmResistor::buildControls() {
    lblHeading = makeNetworkLabel(this, QStringLiteral("lblHeading"),
                                  QStringLiteral("Resistor Calculations"));
    setBoldFont(lblHeading, SheetHeadingScale);

    Frame2 = new QGroupBox(QStringLiteral("Parallel/Series:"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* grid = new QGridLayout(Frame2);
    // Tight rows leave room for the diagram below within the sheet's fixed height.
    grid->setVerticalSpacing(2);
    entries.emplace(Frame2, grid, QStringLiteral("txtRn"));
    for (int i = 0; i < SeriesParallel::EntryCount; ++i) {
        entries->rows[i].setCaption(QStringLiteral("R%1 =").arg(i + 1));
        entries->units[i]->setText(ohms);
        connect(entries->rows[i].box, &QLineEdit::returnPressed, this,
                [this] { cmdCalculate->click(); });
    }

    for (int i = 0; i < 3; ++i) {
        results[i] =
            makeEntryRow(Frame2, QStringLiteral("Rtotal"), QStringLiteral("lblAnswer_%1").arg(i),
                         QStringLiteral("txtRtotal_%1").arg(i));
        results[i].box->setReadOnly(true);
        Label14[i] = makeNetworkLabel(Frame2, QStringLiteral("Label14_%1").arg(i), ohms);
        grid->addWidget(results[i].caption, 2 * i, 4, 1, 2);
        grid->addWidget(results[i].box, 2 * i + 1, 4);
        grid->addWidget(Label14[i], 2 * i + 1, 5);
    }
    cmdCalculate = new QPushButton(QStringLiteral("CALCULATE"), Frame2);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setAutoDefault(false);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmResistor::cmdCalculate_Click);
    cmdClear = new QPushButton(QStringLiteral("CLEAR"), Frame2);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClear->setAutoDefault(false);
    connect(cmdClear, &QPushButton::clicked, this, &frmResistor::cmdClear_Click);
    grid->addWidget(cmdCalculate, 7, 4, 1, 2);
    grid->addWidget(cmdClear, 9, 4, 1, 2);

    fraSorP =
        makeCircuitOptions(Frame2, circuitCaptions, optSorP, [this](int i) { optSorP_Click(i); });
    grid->addWidget(fraSorP, 12, 0, 1, 2, Qt::AlignTop);

    auto* formulas = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        lblFormula1[i] = makeNetworkLabel(Frame2, QStringLiteral("lblFormula1_%1").arg(i));
        formulas->addWidget(lblFormula1[i]);
    }
    lblFormula = makeNetworkLabel(Frame2, QStringLiteral("lblFormula"));
    lblFormula->setTextInteractionFlags(Qt::TextSelectableByMouse);
    exposeValue(lblFormula, lblFormula1[2]); // "Rtotal", then the sum worked out
    formulas->addWidget(lblFormula);
    formulas->addStretch();
    grid->addLayout(formulas, 12, 2, 1, 4);
    grid->setColumnMinimumWidth(4, 110);
    // The results keep their place when a conversion hides the middle column.
    grid->setColumnMinimumWidth(2, entries->rows[6].box->sizeHint().width());
    grid->setColumnMinimumWidth(3, entries->units[6]->sizeHint().width());

    picSeries = makeCircuitDiagram(this, "picSeries", "circuit-resistor-series.svg");
    picParallel = makeCircuitDiagram(this, "picParallel", "circuit-resistor-parallel.svg");
    picDtoY = makeCircuitDiagram(this, "picDtoY", "circuit-delta-to-wye.svg");
    picYtoD = makeCircuitDiagram(this, "picYtoD", "circuit-wye-to-delta.svg");
    auto* pictures = new QGridLayout;
    for (DrawingView* picture : {picSeries, picParallel, picDtoY, picYtoD}) {
        pictures->addWidget(picture, 0, 0, Qt::AlignLeft | Qt::AlignTop);
        picture->hide();
    }
    picSeries->show();

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

void frmResistor::applyLayout(const Layout& layout) {
    for (int i = 3; i < SeriesParallel::EntryCount; ++i) {
        entries->rows[i].caption->setVisible(layout.allEntries);
        entries->rows[i].box->setVisible(layout.allEntries);
        entries->units[i]->setVisible(layout.allEntries);
    }
    for (int i = 0; i < 3; ++i) {
        entries->rows[i].setCaption(QLatin1String(layout.captions[i]));
        lblFormula1[i]->setText(QLatin1String(layout.formulas[i]));
        results[i].setCaption(QLatin1String(layout.answers[i]));
    }
    for (int i = 1; i < 3; ++i) {
        results[i].caption->setVisible(layout.threeResults);
        results[i].box->setVisible(layout.threeResults);
        Label14[i]->setVisible(layout.threeResults);
    }
    lblFormula->clear();
}

void frmResistor::AdjustForSorP() {
    applyLayout(SeriesOrParallel);
}
void frmResistor::AdjustForT() {
    applyLayout(DeltaToWye);
}
void frmResistor::AdjustForPi() {
    applyLayout(WyeToDelta);
}

void frmResistor::optSorP_Click(int index) {
    const std::array<DrawingView*, 4> pictures{picSeries, picParallel, picDtoY, picYtoD};
    for (DrawingView* picture : pictures)
        picture->hide();
    switch (index) {
    case 0:
    case 1:
        AdjustForSorP();
        break;
    case 2:
        AdjustForT();
        break;
    case 3:
        AdjustForPi();
        break;
    default:
        return;
    }
    FormulaSelect = static_cast<qint16>(index);
    pictures[index]->show();
}

void frmResistor::cmdCalculate_Click() {
    for (const EntryRow& result : results) {
        QPalette palette = result.box->palette();
        palette.setColor(QPalette::Text, resultColour);
        result.box->setPalette(palette);
    }
    switch (FormulaSelect) {
    case 0:
        calculateTotal(SumRule::Direct);
        break;
    case 1:
        calculateTotal(SumRule::Reciprocal);
        break;
    default:
        calculateConversion();
        break;
    }
}

void frmResistor::calculateTotal(SumRule rule) {
    const auto total = totalOfEntries(*entries, rule, u'R');
    if (!total)
        return;
    lblFormula->setText(total->formula);
    results[0].box->setText(formatMask(total->total.value, Mask::TwoToThreeDecimalsLeadingZero));
}

std::optional<std::array<double, 3>> frmResistor::readConversionEntries() {
    for (int i = 0; i < 3; ++i) {
        if (entries->rows[i].box->text().isEmpty()) {
            showError(Messages::cantDivideByZero());
            return std::nullopt;
        }
    }
    std::array<double, 3> values{};
    for (int i = 0; i < 3; ++i) {
        const auto value = readNumber(entries->rows[i].box, entries->rows[i].boxName());
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    const bool allZero = values[0] == 0.0 && values[1] == 0.0 && values[2] == 0.0;
    const bool anyZero = values[0] == 0.0 || values[1] == 0.0 || values[2] == 0.0;
    if (FormulaSelect == 2 ? allZero : anyZero) {
        showError(Messages::cantDivideByZero());
        return std::nullopt;
    }
    return values;
}

void frmResistor::calculateConversion() {
    const auto given = readConversionEntries();
    if (!given)
        return;
    const auto [a, b, c] = *given;
    const ResistorConversions::Triple converted = FormulaSelect == 2
                                                      ? ResistorConversions::deltaToWye(a, b, c)
                                                      : ResistorConversions::wyeToDelta(a, b, c);
    for (const Calculated& value : converted)
        if (!acceptResult(value))
            return;
    for (int i = 0; i < 3; ++i)
        results[i].box->setText(
            formatMask(converted[i].value, Mask::TwoToThreeDecimalsLeadingZero));
}

void frmResistor::cmdClear_Click() {
    lblFormula->clear();
    for (const EntryRow& result : results)
        result.box->clear();
    entries->clear();
}
