#include "nec/frmVoltageDrop.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "common/AnswerGrid.h"
#include "common/ButtonRow.h"
#include "common/DisplayMask.h"
#include "common/GlobalSubs.h"
#include "common/HistorySection.h"
#include "common/OptionFrame.h"
#include "common/StepsView.h"
#include "database/SheetDatabase.h"
#include "database/TableNames.h"
#include "nec/CodeSheetParts.h"
#include "nec/CodeTableReader.h"
#include "nec/ConductorTableReader.h"

namespace {

constexpr QLatin1StringView impedanceTable = TableNames::Impedance;
constexpr QLatin1StringView propertiesTable = TableNames::ConductorProperties;
constexpr QLatin1StringView ampacityTable = TableNames::Ampacity;

constexpr QStringView VoltsMask = u"#0.00";
constexpr QStringView ImpedanceMask = u"#0.000";
constexpr QStringView AmperesMask = u"#0.0#";
constexpr QStringView LengthMask = u"#0";

const QStringList lengthUnits{QStringLiteral("ft"), QStringLiteral("m")};

// Caption and value label of each answer, in frmVoltageDrop::Answer order.
const AnswerLayout answerLayout[] = {
    {"Voltage drop (V)", "lblDropVolts"},
    {"Voltage drop (%)", "lblDropPercent"},
    {"Voltage at load (V)", "lblLoadVolts"},
    {"Effective Z (ohm/1000 ft)", "lblImpedance"},
    {"Size", "lblConductorSize"},
    {"Maximum length", "lblMaximumLength"},
    {"Ampacity at 75°C (A)", "lblAmpacity75"},
};

const QStringList historyColumns{
    QStringLiteral("lblHistorySize"), QStringLiteral("lblHistoryLength"),
    QStringLiteral("lblHistoryCurrent"), QStringLiteral("lblHistoryDropVolts"),
    QStringLiteral("lblHistoryDropPercent")};
const QStringList historyHeadings{QStringLiteral("Size"), QStringLiteral("Length"),
                                  QStringLiteral("Current (A)"), QStringLiteral("Drop (V)"),
                                  QStringLiteral("Drop (%)")};

// The load values of the entries that have one.
const QString powerFactorAtLoad = QStringLiteral("85");
const QString setsAtLoad = QStringLiteral("1");
const QString maxDropAtLoad = QStringLiteral("3");

QString lengthText(double value, Nec::LengthUnit unit) {
    return formatMask(value, LengthMask) + u' ' + lengthUnits.at(static_cast<int>(unit));
}

void enableEntry(const EntryRow& row, bool on) {
    row.caption->setEnabled(on);
    row.box->setEnabled(on);
}

} // namespace

frmVoltageDrop::frmVoltageDrop(QWidget* parent)
    : CodeSheet(parent, QStringLiteral("frmVoltageDrop"), QStringLiteral("Voltage Drop"),
                {impedanceTable, propertiesTable, ampacityTable}) {
    GlobalSubs::CurrentFormKind = FormKind::forForm("frmVoltageDrop");
    // The size list comes from Table 9, so the tables are read as the sheet loads.
    if (tables().isOpen()) {
        m_codeTables.impedance = CodeTableReader::impedance(tables().table(impedanceTable));
        m_codeTables.dcResistance = CodeTableReader::dcResistance(tables().table(propertiesTable));
        m_codeTables.ampacity = CodeTableReader::ampacity(tables().table(ampacityTable));
    }
    buildControls();
    fillSizes();
    showUsedGivens();
}

void frmVoltageDrop::buildControls() {
    const auto frame = [this](const char* name, const QString& title, const QString& options,
                              const QStringList& captions) {
        auto* f = new OptionFrame(this, title, options, captions, 0);
        f->setObjectName(QString::fromLatin1(name));
        return f;
    };
    fraSystem = frame(
        "fraSystem", QStringLiteral("System"), QStringLiteral("optSystem"),
        {QStringLiteral("Single phase"), QStringLiteral("Three phase"), QStringLiteral("DC")});
    fraConductor =
        frame("fraConductor", QStringLiteral("Conductor"), QStringLiteral("optConductor"),
              {QStringLiteral("Copper"), QStringLiteral("Aluminum")});
    fraRaceway =
        frame("fraRaceway", QStringLiteral("Raceway"), QStringLiteral("optRaceway"),
              {QStringLiteral("PVC"), QStringLiteral("Aluminum"), QStringLiteral("Steel")});
    fraFind = frame("fraFind", QStringLiteral("Find"), QStringLiteral("optFind"),
                    {QStringLiteral("Voltage drop"), QStringLiteral("Conductor size"),
                     QStringLiteral("Maximum length")});
    fraLengthUnit = frame("fraLengthUnit", QStringLiteral("Length unit"),
                          QStringLiteral("optLengthUnit"), lengthUnits);
    connect(fraSystem, &OptionFrame::chosenChanged, this, &frmVoltageDrop::optSystem_Click);
    connect(fraConductor, &OptionFrame::chosenChanged, this, &frmVoltageDrop::optConductor_Click);
    connect(fraFind, &OptionFrame::chosenChanged, this, &frmVoltageDrop::optFind_Click);

    auto* frames = new QGridLayout;
    frames->addWidget(fraSystem, 0, 0);
    frames->addWidget(fraConductor, 0, 1);
    frames->addWidget(fraRaceway, 0, 2);
    frames->addWidget(fraFind, 1, 0);
    frames->addWidget(fraLengthUnit, 1, 1);
    QGridLayout* grid = inputs();
    grid->addLayout(frames, 0, 0, 1, 4);

    const ListRow size =
        addList(QStringLiteral("Size"), QStringLiteral("lblSize"), QStringLiteral("cboSize"));
    lblSize = size.caption;
    cboSize = size.list;
    grid->addWidget(lblSize, 1, 0);
    grid->addWidget(cboSize, 1, 1, 1, 3, Qt::AlignLeft);

    // Two entries a row, read left to right.
    voltage = addEntry(QStringLiteral("Voltage (V)"), QStringLiteral("lblVoltage"),
                       QStringLiteral("txtVoltage"));
    current = addEntry(QStringLiteral("Current (A)"), QStringLiteral("lblCurrent"),
                       QStringLiteral("txtCurrent"));
    length = addEntry(QStringLiteral("One-way length"), QStringLiteral("lblLength"),
                      QStringLiteral("txtLength"));
    powerFactor = addEntry(QStringLiteral("Power factor (%)"), QStringLiteral("lblPowerFactor"),
                           QStringLiteral("txtPowerFactor"), powerFactorAtLoad);
    sets = addEntry(QStringLiteral("Parallel sets"), QStringLiteral("lblSets"),
                    QStringLiteral("txtSets"), setsAtLoad);
    maxDrop = addEntry(QStringLiteral("Maximum drop (%)"), QStringLiteral("lblMaxDrop"),
                       QStringLiteral("txtMaxDrop"), maxDropAtLoad);
    const EntryRow* rows[] = {&voltage, &current, &length, &powerFactor, &sets, &maxDrop};
    for (int i = 0; i < 6; ++i)
        placeEntry(grid, 2 + i / 2, *rows[i], (i % 2) * 2);
    grid->setRowStretch(5, 1);

    addAnswers(answers(), answerLayout);
    addHistory(historyColumns, historyHeadings);
    // The answers keep to the top and the buttons to their own width.
    resultsColumn()->addStretch(1);
    resultsColumn()->setAlignment(buttons(), Qt::AlignLeft);
    finishSheet(*this, maxDrop.box);
}

void frmVoltageDrop::fillSizes() {
    fillSizeList(cboSize, m_sizes,
                 Nec::impedanceSizes(m_codeTables.impedance,
                                     static_cast<Nec::Metal>(fraConductor->chosen())));
}

void frmVoltageDrop::showUsedGivens() {
    const auto system = static_cast<Nec::SupplySystem>(fraSystem->chosen());
    const auto find = static_cast<Nec::DropFind>(fraFind->chosen());
    fraRaceway->setEnabled(system != Nec::SupplySystem::Dc);
    enableEntry(powerFactor, system != Nec::SupplySystem::Dc);
    lblSize->setEnabled(find != Nec::DropFind::Size);
    cboSize->setEnabled(find != Nec::DropFind::Size);
    enableEntry(length, find != Nec::DropFind::Length);
    enableEntry(maxDrop, find != Nec::DropFind::Drop);
}

void frmVoltageDrop::optSystem_Click(int) {
    showUsedGivens();
}

void frmVoltageDrop::optConductor_Click(int) {
    fillSizes();
}

void frmVoltageDrop::optFind_Click(int) {
    showUsedGivens();
}

std::optional<Nec::VoltageDropInput> frmVoltageDrop::readInput() {
    Nec::VoltageDropInput in;
    in.system = static_cast<Nec::SupplySystem>(fraSystem->chosen());
    in.metal = static_cast<Nec::Metal>(fraConductor->chosen());
    in.raceway = static_cast<Nec::Raceway>(fraRaceway->chosen());
    in.find = static_cast<Nec::DropFind>(fraFind->chosen());
    in.lengthUnit = static_cast<Nec::LengthUnit>(fraLengthUnit->chosen());
    if (in.find != Nec::DropFind::Size) {
        const int chosen = cboSize->currentIndex();
        if (chosen < 0) {
            refuse({QStringLiteral("Chapter 9 Table 9 lists no size to choose.")});
            return std::nullopt;
        }
        in.size = m_sizes.at(chosen);
    }
    // Only the entries the choice uses are read: a disabled entry is no given.
    const std::pair<const EntryRow*, double*> givens[] = {
        {&voltage, &in.volts}, {&current, &in.amperes},
        {&length, &in.length}, {&powerFactor, &in.powerFactorPercent},
        {&sets, &in.sets},     {&maxDrop, &in.maxDropPercent},
    };
    for (const auto& [row, value] : givens) {
        if (!row->box->isEnabled())
            continue;
        const std::optional<double> number = read(*row);
        if (!number)
            return std::nullopt;
        *value = *number;
    }
    return in;
}

void frmVoltageDrop::cmdCalculate_Click() {
    if (!tables().checkOpen())
        return;
    const std::optional<Nec::VoltageDropInput> in = readInput();
    if (!in)
        return;
    const Nec::Outcome<Nec::VoltageDropResult> outcome = Nec::voltageDrop(*in, m_codeTables);
    if (const Nec::VoltageDropResult* result = accept(outcome))
        showResult(*result, *in);
}

void frmVoltageDrop::showResult(const Nec::VoltageDropResult& r, const Nec::VoltageDropInput& in) {
    AnswerGrid* a = answers();
    a->setValue(DropVolts, formatMask(r.dropVolts, VoltsMask));
    a->setValue(DropPercent, formatMask(r.dropPercent, VoltsMask));
    a->setValue(LoadVolts, formatMask(r.loadVolts, VoltsMask));
    a->setValue(Impedance, formatMask(r.impedance, ImpedanceMask));
    a->setValue(ConductorSize, r.size.caption());
    a->setValue(MaximumLength,
                r.maximumLength ? lengthText(*r.maximumLength, in.lengthUnit) : QString());
    a->setValue(Ampacity75, r.ampacity75 ? formatMask(*r.ampacity75, AmperesMask)
                                         : QString::fromLatin1(NoValueText));
    steps()->setSteps(r.steps);

    ResultHistory& history = historySection()->history();
    history.shift();
    history.setNewestRow({r.size.caption(), lengthText(r.length, in.lengthUnit),
                          formatMask(in.amperes, AmperesMask), formatMask(r.dropVolts, VoltsMask),
                          formatMask(r.dropPercent, VoltsMask)});
}

void frmVoltageDrop::cmdClear_Click() {
    clearResults();
    voltage.box->clear();
    current.box->clear();
    length.box->clear();
    powerFactor.box->setText(powerFactorAtLoad);
    sets.box->setText(setsAtLoad);
    maxDrop.box->setText(maxDropAtLoad);
}
