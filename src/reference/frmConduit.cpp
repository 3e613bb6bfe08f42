#include "reference/frmConduit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/ButtonRow.h"
#include "common/DrawingView.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/ResultCopy.h"
#include "database/SourcesLine.h"

namespace {

using namespace ConduitChoices;

const QString picture = QStringLiteral(":/drawings/conduit-end.svg");
const QString note = QStringLiteral(
    "Counts are for rigid metal conduit, computed by the code's fill rule (NEC Chapter 9: "
    "40 % of the conduit area for three or more conductors, 31 % for two, 53 % for one).");
constexpr int sizeRowsPerColumn = 11;

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (bold)
        setBoldFont(label);
    return label;
}

QRadioButton* makeOption(const QString& name, const char* caption, QWidget* parent) {
    auto* option = new QRadioButton(QString::fromLatin1(caption), parent);
    option->setObjectName(name);
    return option;
}

} // namespace

frmConduit::frmConduit(QWidget* parent, const QString& databasePath)
    : QWidget(parent), database(QString::fromLatin1(ConduitChoices::table), databasePath) {
    GlobalSubs::CurrentFormKind = FormKind::Conduit;
    setObjectName(QStringLiteral("frmConduit"));
    buildControls();

    optSize[0]->setChecked(true);
    for (QRadioButton* option : optSize)
        option->setEnabled(true);
    optConSize[0]->setChecked(true);
    optType[initialType]->setChecked(true);
}

frmConduit::~frmConduit() = default;

void frmConduit::buildControls() {
    Label8 =
        makeLabel(QStringLiteral("Label8"), QStringLiteral("Conduit Calculations"), this, false);
    setBoldFont(Label8, SheetHeadingScale);
    lblSources = makeSourcesLabel(database.sources(), this);
    lblSources->setVisible(!database.sources().isEmpty());

    fraType = new QGroupBox(QStringLiteral("Wire Type"), this);
    fraType->setObjectName(QStringLiteral("fraType"));
    auto* types = new QVBoxLayout(fraType);
    for (std::size_t row = 0; row < wireTypes.size(); ++row) {
        const WireType& type = wireTypes[row];
        const int i = type.option;
        optType[i] = makeOption(QStringLiteral("optType_%1").arg(i), type.caption, fraType);
        types->addWidget(optType[i]);
        for (std::size_t n = 0; n < type.notes.size(); ++n) {
            if (*type.notes[n] == '\0')
                continue;
            auto* label = makeLabel(QStringLiteral("lblTypeNote_%1_%2").arg(i).arg(n),
                                    QString::fromLatin1(type.notes[n]), fraType, false);
            label->setContentsMargins(20, 0, 0, 0);
            types->addWidget(label);
        }
        connect(optType[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optType_Click(i);
        });
    }
    types->addStretch();

    fraSize = new QGroupBox(QStringLiteral("Wire Size (AWG)"), this);
    fraSize->setObjectName(QStringLiteral("fraSize"));
    auto* sizes = new QGridLayout(fraSize);
    for (int i = 0; i < static_cast<int>(wireSizes.size()); ++i) {
        optSize[i] = makeOption(QStringLiteral("optSize_%1").arg(i), wireSizes[i], fraSize);
        sizes->addWidget(optSize[i], i % sizeRowsPerColumn, i / sizeRowsPerColumn);
        connect(optSize[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optSize_Click(i);
        });
    }
    sizes->setRowStretch(sizeRowsPerColumn, 1);

    fraConSize = new QGroupBox(QStringLiteral("Conduit Size (Inches)"), this);
    fraConSize->setObjectName(QStringLiteral("fraConSize"));
    auto* conduits = new QVBoxLayout(fraConSize);
    for (int i = 0; i < static_cast<int>(conduitSizes.size()); ++i) {
        optConSize[i] =
            makeOption(QStringLiteral("optConSize_%1").arg(i), conduitSizes[i], fraConSize);
        conduits->addWidget(optConSize[i]);
        connect(optConSize[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optConSize_Click(i);
        });
    }
    conduits->addStretch();

    Label9 =
        makeLabel(QStringLiteral("Label9"), QStringLiteral("Number of Conductors"), this, true);
    Label10 = makeLabel(QStringLiteral("Label10"), QStringLiteral("Wire Size"), this, true);
    Label11 = makeLabel(QStringLiteral("Label11"), QStringLiteral("Conduit Size"), this, true);
    lblConductors = makeLabel(QStringLiteral("lblConductors"), QString(), this, true);
    lblWsize = makeLabel(QStringLiteral("lblWsize"), QString(), this, true);
    lblCsize = makeLabel(QStringLiteral("lblCsize"), QString(), this, true);
    // Hidden until the first search, but keeping their place so nothing moves when they show.
    for (QLabel* label : {Label9, Label10, Label11, lblConductors, lblWsize, lblCsize}) {
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        label->setSizePolicy(policy);
    }
    for (QLabel* value : {lblConductors, lblWsize, lblCsize})
        value->setMinimumWidth(
            value->fontMetrics().horizontalAdvance(QStringLiteral("0000 (AWG)")));

    auto* findRow = new ButtonRow(this, {{"cmdFind", "Find Conduit"}});
    cmdFind = findRow->button(0);
    connect(cmdFind, &QPushButton::clicked, this, &frmConduit::cmdFind_Click);

    auto* Image1 = new DrawingView(picture, this);
    Image1->setObjectName(QStringLiteral("Image1"));

    lblNote = makeLabel(QStringLiteral("lblNote"), note, this, false);
    lblNote->setWordWrap(true);

    auto* frames = new QHBoxLayout;
    frames->addWidget(fraType);
    frames->addWidget(fraSize);
    frames->addWidget(fraConSize);
    frames->addStretch();

    auto* results = new QGridLayout;
    const std::array<std::pair<QLabel*, QLabel*>, 3> rows{
        {{Label9, lblConductors}, {Label10, lblWsize}, {Label11, lblCsize}}};
    std::vector<AnswerRow> copied;
    for (int r = 0; r < 3; ++r) {
        copied.push_back({rows[r].first, rows[r].second});
        results->addWidget(rows[r].first, r, 0);
        results->addWidget(rows[r].second, r, 1);
    }
    makeAnswerCopy(this, std::move(copied));
    results->addWidget(findRow, 3, 0, Qt::AlignLeft);
    results->setColumnMinimumWidth(1, 100);

    auto* lower = new QHBoxLayout;
    lower->addLayout(results);
    lower->addSpacing(24);
    lower->addWidget(Image1, 0, Qt::AlignTop);
    lower->addStretch();

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label8);
    page->addWidget(lblSources);
    page->addLayout(frames);
    page->addLayout(lower);
    page->addWidget(lblNote);
    page->addStretch();

    // Reading order: the three frames left to right, then the button.
    setTabOrder(optType[initialType], optSize[0]);
    setTabOrder(optSize[0], optConSize[0]);
    setTabOrder(optConSize[0], cmdFind);
    setFocusProxy(optType[initialType]);
    showResults(false);
}

void frmConduit::showResults(bool shown) {
    for (QLabel* label : {Label9, Label10, Label11, lblConductors, lblWsize, lblCsize})
        label->setVisible(shown);
}

void frmConduit::optType_Click(int index) {
    const WireType* type = wireType(index);
    if (!type)
        return;
    typeCode = QString::fromLatin1(type->code);
    optSize[type->selectedSize]->setChecked(true);
    optSize_Click(type->selectedSize);
    for (int i = 0; i < static_cast<int>(optSize.size()); ++i)
        optSize[i]->setEnabled((type->enabledSizes >> i) & 1U);
}

void frmConduit::optSize_Click(int index) {
    if (index < 0 || index >= static_cast<int>(wireSizes.size()))
        return;
    wireSize = QString::fromLatin1(wireSizes[index]);
}

void frmConduit::optConSize_Click(int index) {
    if (index < 0 || index >= static_cast<int>(conduitSizes.size()))
        return;
    conduitSize = QString::fromLatin1(conduitSizes[index]);
}

void frmConduit::cmdFind_Click() {
    const auto count = database.lookUp(QString::fromLatin1(keyField), lookupKey(typeCode, wireSize),
                                       {conduitSize});
    if (!count) {
        // An earlier answer must not stand beside the new choice.
        showResults(false);
        lblConductors->clear();
        lblWsize->clear();
        lblCsize->clear();
        return;
    }
    lblConductors->setText(count->first());
    lblCsize->setText(conduitSize);
    lblWsize->setText(wireSize + QStringLiteral(" (AWG)"));
    showResults(true);
}
