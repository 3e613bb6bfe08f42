#include "nec/frmTransformerProtection.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <utility>

#include "common/AnswerGrid.h"
#include "common/DisplayMask.h"
#include "common/GlobalSubs.h"
#include "common/OptionFrame.h"
#include "common/StepsView.h"
#include "database/TableNames.h"
#include "nec/CodeTableReader.h"
#include "nec/MotorTableReader.h"

namespace {

QString amps(double value) {
    return formatMask(value, u"#0.00");
}

// A rating, or "—" when no standard rating fits under the maximum.
QString rating(const std::optional<double>& value) {
    return value ? amps(*value) : QStringLiteral("—");
}

// The answers, in the order of frmTransformerProtection::Answer: label name and caption.
constexpr std::pair<const char*, const char*> AnswerRows[] = {
    {"PrimaryCurrent", "Primary current (A)"},     {"SecondaryCurrent", "Secondary current (A)"},
    {"PrimaryMaximum", "Primary maximum (A)"},     {"PrimaryRating", "Primary rating (A)"},
    {"SecondaryMaximum", "Secondary maximum (A)"}, {"SecondaryRating", "Secondary rating (A)"},
};

} // namespace

frmTransformerProtection::frmTransformerProtection(QWidget* parent)
    : CodeSheet(parent, QStringLiteral("frmTransformerProtection"),
                QStringLiteral("Transformer Protection"),
                {TableNames::TransformerOcpd, TableNames::StandardRatings}) {
    GlobalSubs::CurrentFormKind = FormKind::forForm("frmTransformerProtection");

    optPhases = new OptionFrame(this, QStringLiteral("Phases"), QStringLiteral("optPhases"),
                                {QStringLiteral("Single phase"), QStringLiteral("Three phase")}, 1);
    optPhases->setObjectName(QStringLiteral("fraPhases"));
    optDevice =
        new OptionFrame(this, QStringLiteral("Protective device"), QStringLiteral("optDevice"),
                        {QStringLiteral("Fuse"), QStringLiteral("Circuit breaker")});
    optDevice->setObjectName(QStringLiteral("fraDevice"));
    optProtection =
        new OptionFrame(this, QStringLiteral("Protection"), QStringLiteral("optProtection"),
                        {QStringLiteral("Primary only"), QStringLiteral("Primary and secondary")});
    optProtection->setObjectName(QStringLiteral("fraProtection"));
    kva = addEntry(QStringLiteral("kVA"), QStringLiteral("lblKva"), QStringLiteral("txtKva"));
    primaryVolts = addEntry(QStringLiteral("Primary voltage (V)"),
                            QStringLiteral("lblPrimaryVolts"), QStringLiteral("txtPrimaryVolts"));
    secondaryVolts =
        addEntry(QStringLiteral("Secondary voltage (V)"), QStringLiteral("lblSecondaryVolts"),
                 QStringLiteral("txtSecondaryVolts"));

    QGridLayout* grid = inputs();
    grid->addWidget(optPhases, 0, 0, Qt::AlignTop);
    grid->addWidget(optProtection, 0, 1, Qt::AlignTop);
    grid->addWidget(optDevice, 1, 0, Qt::AlignTop);
    int row = 2;
    for (const EntryRow& entry : {kva, primaryVolts, secondaryVolts}) {
        grid->addWidget(entry.caption, row, 0);
        grid->addWidget(entry.box, row++, 1);
    }
    grid->setRowStretch(row, 1);

    for (const auto& [name, caption] : AnswerRows) {
        const QString label = QStringLiteral("lbl") + QLatin1String(name);
        answers()->addRow(QString::fromLatin1(caption), label + QStringLiteral("Caption"), label);
    }
    resultsColumn()->addStretch();

    // Tab reads the sheet as laid out: the frames, the entries, then the buttons.
    QList<QWidget*> order;
    for (const OptionFrame* frame : {optPhases, optProtection, optDevice})
        for (int i = 0; i < frame->count(); ++i)
            order << frame->option(i);
    order << kva.box << primaryVolts.box << secondaryVolts.box;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    setFocusProxy(kva.box);
}

void frmTransformerProtection::cmdCalculate_Click() {
    if (!tables().checkOpen())
        return;
    Nec::TransformerInput input;
    for (auto [entry, value] : {std::pair{&kva, &input.kva},
                                {&primaryVolts, &input.primaryVolts},
                                {&secondaryVolts, &input.secondaryVolts}}) {
        const std::optional<double> number = read(*entry);
        if (!number)
            return;
        *value = *number;
    }
    input.phases =
        optPhases->chosen() == 0 ? Nec::TransformerPhases::Single : Nec::TransformerPhases::Three;
    input.method = optProtection->chosen() == 1
                       ? Nec::TransformerProtectionMethod::PrimaryAndSecondary
                       : Nec::TransformerProtectionMethod::PrimaryOnly;
    input.device = optDevice->chosen() == 1 ? Nec::TransformerDevice::CircuitBreaker
                                            : Nec::TransformerDevice::Fuse;
    if (!m_codeTables)
        m_codeTables = CodeTables{
            CodeTableReader::transformerOcpd(tables().table(TableNames::TransformerOcpd)),
            CodeTableReader::standardRatings(tables().table(TableNames::StandardRatings))};
    const auto outcome =
        Nec::transformerProtection(input, m_codeTables->ocpd, m_codeTables->ratings);
    const Nec::TransformerResult* result = accept(outcome);
    if (!result)
        return;

    const QString notRequired = Nec::NotRequiredText.toString();
    AnswerGrid* grid = answers();
    grid->setValue(PrimaryCurrent, amps(result->primaryCurrent));
    grid->setValue(SecondaryCurrent, amps(result->secondaryCurrent));
    grid->setValue(PrimaryMaximum, amps(result->primaryMaximum));
    grid->setValue(PrimaryRating, rating(result->primaryRating));
    if (result->secondaryRequired) {
        grid->setValue(SecondaryMaximum,
                       result->secondaryMaximum ? amps(*result->secondaryMaximum) : QString());
        grid->setValue(SecondaryRating, rating(result->secondaryRating));
    } else {
        grid->setValue(SecondaryMaximum, notRequired);
        grid->setValue(SecondaryRating, notRequired);
    }
    steps()->setSteps(result->steps);
}

void frmTransformerProtection::cmdClear_Click() {
    clearResults();
    for (const EntryRow& entry : {kva, primaryVolts, secondaryVolts})
        entry.box->clear();
}
