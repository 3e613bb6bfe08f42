#include "nec/frmConductorAmpacity.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/AnswerGrid.h"
#include "common/ButtonRow.h"
#include "common/DisplayMask.h"
#include "common/GlobalSubs.h"
#include "common/HistorySection.h"
#include "common/OptionFrame.h"
#include "common/StepsView.h"
#include "database/TableNames.h"
#include "nec/CodeSheetParts.h"
#include "nec/CodeTableReader.h"
#include "nec/ConductorTableReader.h"

namespace {

constexpr QLatin1StringView ampacityTable = TableNames::Ampacity;
constexpr QLatin1StringView correctionTable = TableNames::TemperatureCorrection;
constexpr QLatin1StringView adjustmentTable = TableNames::Adjustment;
constexpr QLatin1StringView smallConductorTable = TableNames::SmallConductor;
constexpr QLatin1StringView ratingsTable = TableNames::StandardRatings;

constexpr QStringView FactorMask = u"#0.00";
constexpr QStringView AmpacityMask = u"#0.0#";
constexpr QStringView DeviceMask = u"#0";

const QStringList metals{QStringLiteral("Copper"), QStringLiteral("Aluminum")};
const QStringList ratings{QStringLiteral("60°C"), QStringLiteral("75°C"), QStringLiteral("90°C")};

// Caption, caption label and value label of each answer, in frmConductorAmpacity::Answer order.
const AnswerLayout answerLayout[] = {
    {"Table ampacity (A)", "lblTableAmpacity"},
    {"Ambient correction", "lblAmbientCorrection"},
    {"Adjustment", "lblAdjustment"},
    {"Corrected ampacity (A)", "lblCorrectedAmpacity"},
    {"Termination limit (A)", "lblTerminationLimit"},
    {"Allowable ampacity (A)", "lblAllowableAmpacity"},
    {"Maximum overcurrent device (A)", "lblMaximumDevice"},
    {"Size", "lblConductorSize"},
    {"Governed by", "lblGovernedBy"},
};

const QStringList historyColumns{
    QStringLiteral("lblHistorySize"), QStringLiteral("lblHistoryConductor"),
    QStringLiteral("lblHistoryAllowable"), QStringLiteral("lblHistoryDevice")};
const QStringList historyHeadings{QStringLiteral("Size"), QStringLiteral("Conductor"),
                                  QStringLiteral("Allowable (A)"), QStringLiteral("Max OCPD (A)")};

} // namespace

frmConductorAmpacity::frmConductorAmpacity(QWidget* parent)
    : CodeSheet(
          parent, QStringLiteral("frmConductorAmpacity"), QStringLiteral("Conductor Ampacity"),
          {ampacityTable, correctionTable, adjustmentTable, smallConductorTable, ratingsTable}) {
    GlobalSubs::CurrentFormKind = FormKind::forForm("frmConductorAmpacity");
    // The size list comes from Table 310.16, so the tables are read as the sheet loads.
    if (tables().isOpen()) {
        m_codeTables.ampacity = CodeTableReader::ampacity(tables().table(ampacityTable));
        m_codeTables.correction =
            CodeTableReader::temperatureCorrection(tables().table(correctionTable));
        m_codeTables.adjustment = CodeTableReader::adjustment(tables().table(adjustmentTable));
        m_codeTables.smallLimits =
            CodeTableReader::smallConductorLimits(tables().table(smallConductorTable));
        m_codeTables.standardRatings =
            CodeTableReader::standardRatings(tables().table(ratingsTable));
    }
    buildControls();
    fillSizes();
    optFind_Click(fraFind->chosen());
}

void frmConductorAmpacity::buildControls() {
    fraConductor = new OptionFrame(this, QStringLiteral("Conductor"),
                                   QStringLiteral("optConductor"), metals, 0);
    fraConductor->setObjectName(QStringLiteral("fraConductor"));
    fraInsulation = new OptionFrame(this, QStringLiteral("Insulation"),
                                    QStringLiteral("optInsulation"), ratings, 1);
    fraInsulation->setObjectName(QStringLiteral("fraInsulation"));
    fraTerminations = new OptionFrame(this, QStringLiteral("Terminations"),
                                      QStringLiteral("optTerminations"), ratings.mid(0, 2), 1);
    fraTerminations->setObjectName(QStringLiteral("fraTerminations"));
    fraFind = new OptionFrame(
        this, QStringLiteral("Find"), QStringLiteral("optFind"),
        {QStringLiteral("Ampacity of a size"), QStringLiteral("Size for a load")}, 0);
    fraFind->setObjectName(QStringLiteral("fraFind"));
    connect(fraConductor, &OptionFrame::chosenChanged, this,
            &frmConductorAmpacity::optConductor_Click);
    connect(fraFind, &OptionFrame::chosenChanged, this, &frmConductorAmpacity::optFind_Click);

    auto* frames = new QGridLayout;
    frames->addWidget(fraConductor, 0, 0);
    frames->addWidget(fraInsulation, 0, 1);
    frames->addWidget(fraTerminations, 1, 0);
    frames->addWidget(fraFind, 1, 1);
    QGridLayout* grid = inputs();
    grid->addLayout(frames, 0, 0, 1, 3);

    const ListRow size =
        addList(QStringLiteral("Size"), QStringLiteral("lblSize"), QStringLiteral("cboSize"));
    lblSize = size.caption;
    cboSize = size.list;
    grid->addWidget(lblSize, 1, 0);
    grid->addWidget(cboSize, 1, 1, 1, 2, Qt::AlignLeft);

    ambient = addEntry(QStringLiteral("Ambient temperature"), QStringLiteral("lblAmbient"),
                       QStringLiteral("txtAmbient"), QStringLiteral("30"));
    auto* units = new QWidget(this);
    units->setObjectName(QStringLiteral("fraAmbientUnit"));
    auto* unitRow = new QHBoxLayout(units);
    unitRow->setContentsMargins(0, 0, 0, 0);
    optAmbientUnit = new QButtonGroup(units);
    for (int i = 0; i < 2; ++i) {
        auto* option =
            new QRadioButton(i == 0 ? QStringLiteral("°C") : QStringLiteral("°F"), units);
        option->setObjectName(QStringLiteral("optAmbientUnit_%1").arg(i));
        optAmbientUnit->addButton(option, i);
        unitRow->addWidget(option);
    }
    optAmbientUnit->button(0)->setChecked(true);
    conductors =
        addEntry(QStringLiteral("Current-carrying conductors"), QStringLiteral("lblConductors"),
                 QStringLiteral("txtConductors"), QStringLiteral("3"));
    load =
        addEntry(QStringLiteral("Load (A)"), QStringLiteral("lblLoad"), QStringLiteral("txtLoad"));
    chkContinuous = new QCheckBox(QStringLiteral("Continuous load"), this);
    chkContinuous->setObjectName(QStringLiteral("chkContinuous"));
    chkContinuous->setToolTip(QStringLiteral("The load is sized at 125 %"));

    placeEntry(grid, 2, ambient);
    grid->addWidget(units, 2, 2);
    placeEntry(grid, 3, conductors);
    placeEntry(grid, 4, load);
    grid->addWidget(chkContinuous, 5, 0, 1, 3);
    grid->setRowStretch(6, 1);

    addAnswers(answers(), answerLayout);
    // "terminations, correction factors, overcurrent device" takes lines rather than width, and
    // the longest caption gives it room.
    answers()->value(GovernedBy)->setWordWrap(true);
    answers()->row(MaximumDevice).caption->setWordWrap(true);
    addHistory(historyColumns, historyHeadings);
    // The answers keep to the top and the buttons to their own width.
    resultsColumn()->addStretch(1);
    resultsColumn()->setAlignment(buttons(), Qt::AlignLeft);
    finishSheet(*this, chkContinuous);
}

void frmConductorAmpacity::fillSizes() {
    fillSizeList(
        cboSize, m_sizes,
        Nec::ampacitySizes(m_codeTables.ampacity, static_cast<Nec::Metal>(fraConductor->chosen())));
}

void frmConductorAmpacity::optConductor_Click(int) {
    fillSizes();
}

void frmConductorAmpacity::optFind_Click(int index) {
    const bool forLoad = index == static_cast<int>(Nec::AmpacityFind::SizeForLoad);
    lblSize->setEnabled(!forLoad);
    cboSize->setEnabled(!forLoad);
    load.caption->setEnabled(forLoad);
    load.box->setEnabled(forLoad);
    chkContinuous->setEnabled(forLoad);
}

std::optional<Nec::AmpacityInput> frmConductorAmpacity::readInput() {
    Nec::AmpacityInput in;
    in.metal = static_cast<Nec::Metal>(fraConductor->chosen());
    in.insulation = static_cast<Nec::TempRating>(fraInsulation->chosen());
    in.terminations = static_cast<Nec::TempRating>(fraTerminations->chosen());
    in.find = static_cast<Nec::AmpacityFind>(fraFind->chosen());
    in.ambientUnit = optAmbientUnit->checkedId() == 1 ? Nec::TemperatureUnit::Fahrenheit
                                                      : Nec::TemperatureUnit::Celsius;
    in.continuous = chkContinuous->isChecked();
    if (in.find == Nec::AmpacityFind::AmpacityOfSize) {
        const int chosen = cboSize->currentIndex();
        if (chosen < 0) {
            refuse({QStringLiteral("Table 310.16 lists no size to choose.")});
            return std::nullopt;
        }
        in.size = m_sizes.at(chosen);
    }
    const auto t = read(ambient);
    if (!t)
        return std::nullopt;
    const auto n = read(conductors);
    if (!n)
        return std::nullopt;
    in.ambient = *t;
    in.conductors = *n;
    if (in.find == Nec::AmpacityFind::SizeForLoad) {
        const auto i = read(load);
        if (!i)
            return std::nullopt;
        in.load = *i;
    }
    return in;
}

void frmConductorAmpacity::cmdCalculate_Click() {
    if (!tables().checkOpen())
        return;
    const std::optional<Nec::AmpacityInput> in = readInput();
    if (!in)
        return;
    const Nec::Outcome<Nec::AmpacityResult> outcome = Nec::conductorAmpacity(*in, m_codeTables);
    if (const Nec::AmpacityResult* result = accept(outcome))
        showResult(*result, *in);
}

void frmConductorAmpacity::showResult(const Nec::AmpacityResult& r, const Nec::AmpacityInput& in) {
    AnswerGrid* a = answers();
    a->setValue(TableAmpacity, formatMask(r.tableAmpacity, AmpacityMask));
    a->setValue(AmbientFactor, formatMask(r.ambientFactor, FactorMask));
    a->setValue(Adjustment, formatMask(r.adjustmentFactor, FactorMask));
    a->setValue(CorrectedAmpacity, formatMask(r.correctedAmpacity, AmpacityMask));
    a->setValue(TerminationLimit, formatMask(r.terminationLimit, AmpacityMask));
    a->setValue(AllowableAmpacity, formatMask(r.allowableAmpacity, AmpacityMask));
    a->setValue(MaximumDevice, formatMask(r.maximumDevice, DeviceMask));
    a->setValue(ConductorSize, r.size.caption());
    a->setValue(GovernedBy, r.governedBy);
    steps()->setSteps(r.steps);

    ResultHistory& history = historySection()->history();
    history.shift();
    history.setNewestRow(
        {r.size.caption(),
         metals.at(static_cast<int>(in.metal)) + u' ' + ratings.at(static_cast<int>(in.insulation)),
         formatMask(r.allowableAmpacity, AmpacityMask), formatMask(r.maximumDevice, DeviceMask)});
}

void frmConductorAmpacity::cmdClear_Click() {
    clearResults();
    ambient.box->setText(QStringLiteral("30"));
    conductors.box->setText(QStringLiteral("3"));
    load.box->clear();
}
