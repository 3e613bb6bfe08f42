#include "nec/frmMotorBranchCircuit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "common/AnswerGrid.h"
#include "common/ButtonRow.h"
#include "common/DisplayMask.h"
#include "common/FullLoadTables.h"
#include "common/GlobalSubs.h"
#include "common/HistorySection.h"
#include "common/OptionFrame.h"
#include "common/StepsView.h"
#include "database/KeyComparison.h"
#include "database/TableNames.h"
#include "nec/CodeTableReader.h"
#include "nec/MotorTableReader.h"

namespace {

using Nec::MotorDevice;
using Nec::MotorSupply;

constexpr std::array Supplies{MotorSupply::SinglePhase, MotorSupply::ThreePhase, MotorSupply::DC};
constexpr std::array Devices{MotorDevice::NontimeDelayFuse, MotorDevice::DualElementFuse,
                             MotorDevice::InstantaneousTripBreaker,
                             MotorDevice::InverseTimeBreaker};
constexpr int ThreePhaseAtLoad = 1;
constexpr int InverseTimeAtLoad = 3;

const FullLoadTables::FullLoadTable& fullLoadTable(MotorSupply supply) {
    switch (supply) {
    case MotorSupply::SinglePhase:
        return FullLoadTables::SinglePhase;
    case MotorSupply::DC:
        return FullLoadTables::DC;
    case MotorSupply::ThreePhase:
        break;
    }
    return FullLoadTables::ThreePhase;
}

QStringList tableNames() {
    QStringList names;
    for (MotorSupply supply : Supplies)
        names << QString::fromLatin1(fullLoadTable(supply).table);
    return names << TableNames::Ampacity << TableNames::StandardRatings << TableNames::MotorOcpd
                 << TableNames::MotorOverload << TableNames::Egc;
}

QString amps(double value) {
    return formatMask(value, u"#0.00");
}

const QString NoOverloadText = QStringLiteral("—");

// The answers, in the order of frmMotorBranchCircuit::Answer: label name and caption.
constexpr std::pair<const char*, const char*> AnswerRows[] = {
    {"FullLoadCurrent", "Full-load current (A)"},
    {"ConductorAmpacity", "Conductor ampacity (A)"},
    {"ConductorSize", "Conductor size"},
    {"DevicePercent", "Device maximum (%)"},
    {"DeviceMaximum", "Device maximum (A)"},
    {"DeviceRating", "Device rating (A)"},
    {"Overload", "Overload (A)"},
    {"GroundingConductor", "Grounding conductor"},
};

} // namespace

frmMotorBranchCircuit::frmMotorBranchCircuit(QWidget* parent)
    : CodeSheet(parent, QStringLiteral("frmMotorBranchCircuit"),
                QStringLiteral("Motor Branch Circuit"), tableNames()) {
    GlobalSubs::CurrentFormKind = FormKind::forForm("frmMotorBranchCircuit");
    readSupplies();

    QStringList supplies;
    for (MotorSupply supply : Supplies)
        supplies << Nec::motorSupplyCaption(supply);
    QStringList devices;
    for (MotorDevice device : Devices)
        devices << Nec::motorDeviceCaption(device);

    optSupply = new OptionFrame(this, QStringLiteral("Supply"), QStringLiteral("optSupply"),
                                supplies, ThreePhaseAtLoad);
    optSupply->setObjectName(QStringLiteral("fraSupply"));
    optVoltage = new OptionFrame(this, QStringLiteral("Voltage"), QStringLiteral("optVoltage"), {});
    optVoltage->setObjectName(QStringLiteral("fraVoltage"));
    optConductor =
        new OptionFrame(this, QStringLiteral("Conductor"), QStringLiteral("optConductor"),
                        {QStringLiteral("Copper"), QStringLiteral("Aluminum")});
    optConductor->setObjectName(QStringLiteral("fraConductor"));
    optMotorType =
        new OptionFrame(this, QStringLiteral("Motor type"), QStringLiteral("optMotorType"), {});
    optMotorType->setObjectName(QStringLiteral("fraMotorType"));
    optDevice = new OptionFrame(this, QStringLiteral("Protective device"),
                                QStringLiteral("optDevice"), devices, InverseTimeAtLoad);
    optDevice->setObjectName(QStringLiteral("fraDevice"));

    lblHorsepower = new QLabel(QStringLiteral("Horsepower"), this);
    lblHorsepower->setObjectName(QStringLiteral("lblHorsepower"));
    cboHorsepower = new QComboBox(this);
    cboHorsepower->setObjectName(QStringLiteral("cboHorsepower"));
    cboHorsepower->setAccessibleName(QStringLiteral("Horsepower"));
    lblHorsepower->setBuddy(cboHorsepower);
    nameplate = addEntry(QStringLiteral("Nameplate current (A)"), QStringLiteral("lblNameplate"),
                         QStringLiteral("txtNameplate"));
    chkServiceFactor = new QCheckBox(
        QStringLiteral("Service factor 1.15 or more, or temperature rise 40°C or less"), this);
    chkServiceFactor->setObjectName(QStringLiteral("chkServiceFactor"));

    // Two columns of givens: the motor's supply and size on the left, its kind and circuit on the
    // right (the wide captions), the overload marking under both.
    auto* left = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{
             optSupply, optVoltage, lblHorsepower, cboHorsepower, nameplate.caption, nameplate.box})
        left->addWidget(w);
    left->addStretch();
    auto* right = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{optMotorType, optDevice, optConductor})
        right->addWidget(w);
    right->addStretch();
    QGridLayout* grid = inputs();
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addWidget(chkServiceFactor, 1, 0, 1, 2);
    grid->setRowStretch(2, 1);

    for (const auto& [name, caption] : AnswerRows) {
        const QString label = QStringLiteral("lbl") + QLatin1String(name);
        answers()->addRow(QString::fromLatin1(caption), label + QStringLiteral("Caption"), label);
    }
    lblTypical = new QLabel(FullLoadTables::TypicalFootnote, this);
    lblTypical->setObjectName(QStringLiteral("lblTypical"));
    QSizePolicy keepPlace = lblTypical->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    lblTypical->setSizePolicy(keepPlace);
    lblTypical->hide();
    resultsColumn()->addWidget(lblTypical);
    resultsColumn()->addStretch();

    addHistory({"lblHp", "lblVolts", "lblFlc", "lblConductor", "lblDevice"},
               {"HP", "Volts", "FLC (A)", "Conductor", "Device (A)"});

    connect(optSupply, &OptionFrame::chosenChanged, this, &frmMotorBranchCircuit::optSupply_Click);
    optSupply_Click(ThreePhaseAtLoad);
    setFocusProxy(optSupply->option(ThreePhaseAtLoad));
}

// The voltages are the table's fields after the key, and the horsepowers its rows in stored
// order, captioned as the full-load sheets caption their keys. A table that did not open gives
// empty lists; CALCULATE then tells the fault.
void frmMotorBranchCircuit::readSupplies() {
    const QString keyField = QString::fromLatin1(FullLoadTables::KeyField);
    for (MotorSupply supply : Supplies) {
        const FullLoadTables::FullLoadTable& layout = fullLoadTable(supply);
        SupplyRows& rows = m_supplies[static_cast<std::size_t>(supply)];
        rows.table = QString::fromLatin1(layout.table);
        Recordset& table = tables().table(rows.table);
        if (!table.IsOpen())
            continue;
        rows.voltages = table.FieldNames();
        rows.voltages.removeAll(keyField);
        for (table.MoveFirst(); !table.EOF(); table.MoveNext()) {
            const QString key = table.Field(keyField).trimmed();
            HorsepowerRow row{key, key, key, false};
            const auto option =
                std::ranges::find_if(layout.horsepowers, [&](const HorsepowerOption& o) {
                    return referenceKeysEqual(key, QString::fromLatin1(o.key));
                });
            if (option != layout.horsepowers.end()) {
                const int index = static_cast<int>(option - layout.horsepowers.begin());
                row.caption = QString::fromLatin1(option->caption);
                row.text = QString::fromLatin1(option->text);
                row.typical = std::ranges::find(layout.typicalHorsepowers, index) !=
                              layout.typicalHorsepowers.end();
            }
            rows.horsepowers.push_back(row);
        }
    }
}

Nec::MotorSupply frmMotorBranchCircuit::supply() const {
    return Supplies[static_cast<std::size_t>(std::clamp(optSupply->chosen(), 0, 2))];
}

void frmMotorBranchCircuit::optSupply_Click(int index) {
    if (index < 0 || index >= static_cast<int>(Supplies.size()))
        return;
    const MotorSupply chosen = Supplies[static_cast<std::size_t>(index)];
    const SupplyRows& rows = m_supplies[static_cast<std::size_t>(chosen)];
    optVoltage->setCaptions(rows.voltages);
    optMotorType->setCaptions(Nec::motorTypeCaptions(chosen));
    cboHorsepower->clear();
    for (const HorsepowerRow& row : rows.horsepowers)
        cboHorsepower->addItem(row.caption);
    cboHorsepower->setCurrentIndex(0);
    setReadingOrder();
}

// The option buttons are made again with each supply, so Tab is led through the sheet as it
// reads: down the left column, down the right one, the check box, then the buttons.
void frmMotorBranchCircuit::setReadingOrder() {
    QList<QWidget*> order;
    const auto options = [&order](const OptionFrame* frame) {
        for (int i = 0; i < frame->count(); ++i)
            order << frame->option(i);
    };
    options(optSupply);
    options(optVoltage);
    order << cboHorsepower << nameplate.box;
    options(optMotorType);
    options(optDevice);
    options(optConductor);
    order << chkServiceFactor << buttons()->button(0) << buttons()->button(1);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmMotorBranchCircuit::cmdCalculate_Click() {
    if (!tables().checkOpen())
        return;
    Nec::MotorInput input;
    if (!nameplate.box->text().trimmed().isEmpty()) {
        input.nameplateCurrent = read(nameplate);
        if (!input.nameplateCurrent)
            return;
    }
    input.supply = supply();
    const SupplyRows& rows = m_supplies[static_cast<std::size_t>(input.supply)];
    const int hp = cboHorsepower->currentIndex();
    const int volts = optVoltage->chosen();
    if (hp < 0 || hp >= static_cast<int>(rows.horsepowers.size()) || volts < 0 ||
        volts >= rows.voltages.size())
        return;
    const HorsepowerRow& horsepower = rows.horsepowers[static_cast<std::size_t>(hp)];
    input.voltage = rows.voltages[volts];
    input.horsepower = horsepower.text;
    // An empty cell reads "n/a", as on the full-load sheets, which is no current.
    const std::optional<QStringList> cells = tables().lookUp(
        rows.table, QString::fromLatin1(FullLoadTables::KeyField), horsepower.key, {input.voltage});
    if (!cells)
        return;
    input.fullLoadCurrent = CodeTableReader::number(cells->front());
    input.typical = horsepower.typical;
    const std::vector<Nec::MotorType> types = Nec::motorTypes(input.supply);
    input.type = types.at(static_cast<std::size_t>(
        std::clamp(optMotorType->chosen(), 0, static_cast<int>(types.size()) - 1)));
    input.device = Devices[static_cast<std::size_t>(std::clamp(optDevice->chosen(), 0, 3))];
    input.metal = optConductor->chosen() == 1 ? Nec::Metal::Aluminum : Nec::Metal::Copper;
    input.serviceFactorOrTemperatureRise = chkServiceFactor->isChecked();

    if (!m_codeTables)
        m_codeTables = CodeTableReader::motorTables(tables());
    const auto outcome = Nec::motorBranchCircuit(input, *m_codeTables);
    const Nec::MotorResult* result = accept(outcome);
    if (!result)
        return;

    const QString mark = result->typical ? Nec::TypicalMark.toString() : QString();
    const QString flc = amps(result->fullLoadCurrent) + mark;
    const QString device =
        result->deviceRating ? amps(*result->deviceRating) : Nec::SettingText.toString();
    AnswerGrid* grid = answers();
    grid->setValue(FullLoadCurrent, flc);
    grid->setValue(ConductorAmpacity, amps(result->conductorAmpacity));
    grid->setValue(ConductorSize, result->conductorSize.caption());
    grid->setValue(DevicePercent, formatMask(result->devicePercent, u"#0"));
    grid->setValue(DeviceMaximum, amps(result->deviceMaximum));
    grid->setValue(DeviceRating, device);
    grid->setValue(Overload, result->overload ? amps(*result->overload) : NoOverloadText);
    grid->setValue(GroundingConductor, result->groundingConductor.caption());
    lblTypical->setVisible(result->typical);
    steps()->setSteps(result->steps);
    ResultHistory& history = historySection()->history();
    history.shift();
    history.setNewestRow(
        {horsepower.text, input.voltage, flc, result->conductorSize.caption(), device});
}

void frmMotorBranchCircuit::cmdClear_Click() {
    clearResults();
    lblTypical->hide();
    nameplate.box->clear();
}
