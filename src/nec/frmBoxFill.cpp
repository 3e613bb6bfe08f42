#include "nec/frmBoxFill.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "common/AnswerGrid.h"
#include "common/ButtonRow.h"
#include "common/DisplayMask.h"
#include "common/ElidedComboBox.h"
#include "common/ErrorBox.h"
#include "common/GlobalSubs.h"
#include "common/StepsView.h"
#include "database/TableNames.h"
#include "nec/FillTableReader.h"

namespace {

constexpr QLatin1StringView allowanceTable = TableNames::BoxAllowances;
constexpr QLatin1StringView boxTable = TableNames::MetalBoxes;

const QString countNote =
    QStringLiteral("Count each conductor that enters or passes through the box (314.16(B)(1)); "
                   "a conductor that never leaves the box counts 0.");
const QString largestInBox = QStringLiteral("Largest in box");
// The characters the box lists show at the first window size.
constexpr int listLength = 14;

enum Answer {
    Conductors,
    Clamps,
    SupportFittings,
    Devices,
    Grounding,
    Required,
    SmallestBox,
    ChosenBoxVolume,
    LargeEnough
};
struct AnswerText {
    const char* caption;
    const char* name; // lbl<name>Caption, lbl<name>
};
const AnswerText answerTexts[] = {
    {"Conductors (in³)", "ConductorVolume"},
    {"Clamps (in³)", "ClampVolume"},
    {"Support fittings (in³)", "FittingVolume"},
    {"Devices (in³)", "DeviceVolume"},
    {"Grounding conductors (in³)", "GroundingVolume"},
    {"Required volume (in³)", "RequiredVolume"},
    {"Smallest standard metal box", "SmallestBox"},
    {"Chosen box volume (in³)", "ChosenBoxVolume"},
    {"Box large enough", "LargeEnough"},
};

QString volume(double v) {
    return formatMask(v, u"0.00");
}

Nec::ConductorSize awg(const char* size) {
    return {QString::fromLatin1(size), QStringLiteral("AWG")};
}

QComboBox* makeList(QComboBox* box, const QString& name, const QString& caption) {
    box->setObjectName(name);
    box->setAccessibleName(caption);
    return box;
}

QLabel* makeCaption(QWidget* parent, const QString& name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& caption) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    return check;
}

} // namespace

frmBoxFill::frmBoxFill(QWidget* parent)
    : CodeSheet(parent, QStringLiteral("frmBoxFill"), QStringLiteral("Box Fill"),
                {allowanceTable, boxTable}) {
    GlobalSubs::CurrentFormKind = FormKind::forForm("frmBoxFill");
    // The box lists are the table's own, so the tables are read when the sheet loads.
    if (tables().isOpen()) {
        m_allowances = CodeTableReader::boxAllowances(tables().table(allowanceTable));
        m_boxes = CodeTableReader::metalBoxes(tables().table(boxTable));
    }
    buildControls();
}

void frmBoxFill::buildControls() {
    QGridLayout* grid = inputs();
    QList<QWidget*> order;

    auto* fraConductors = new QGroupBox(QStringLiteral("Conductor counts"), this);
    fraConductors->setObjectName(QStringLiteral("fraConductors"));
    auto* counts = new QGridLayout(fraConductors);
    counts->setVerticalSpacing(4);
    constexpr int perRow = 3;
    for (std::size_t i = 0; i < conductorSizes.size(); ++i) {
        const QString size = QString::fromLatin1(conductorSizes[i]);
        txtConductors[i] =
            addEntry(size + QStringLiteral(" AWG"), QStringLiteral("lblConductors_%1").arg(i),
                     QStringLiteral("txtConductors_%1").arg(i));
        txtConductors[i].box->setMaximumWidth(
            txtConductors[i].box->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
        const int row = int(i) / perRow;
        const int column = 2 * (int(i) % perRow);
        counts->addWidget(txtConductors[i].caption, row, column);
        counts->addWidget(txtConductors[i].box, row, column + 1);
        order << txtConductors[i].box;
    }
    auto* lblCountNote = new QLabel(countNote, fraConductors);
    lblCountNote->setObjectName(QStringLiteral("lblCountNote"));
    lblCountNote->setWordWrap(true);
    counts->addWidget(lblCountNote, 3, 0, 1, 2 * perRow);
    grid->addWidget(fraConductors, 0, 0, 1, 2);

    chkClamps =
        makeCheck(this, QStringLiteral("chkClamps"), QStringLiteral("Internal cable clamps"));
    grid->addWidget(chkClamps, 1, 0, 1, 2);
    order << chkClamps;

    // One allowance for each kind of fitting present, so a check box per kind, not a count.
    auto* lblFittings = new QLabel(QStringLiteral("Support fittings"), this);
    lblFittings->setObjectName(QStringLiteral("lblFittings"));
    chkFixtureStuds =
        makeCheck(this, QStringLiteral("chkFixtureStuds"), QStringLiteral("Fixture studs"));
    chkHickeys = makeCheck(this, QStringLiteral("chkHickeys"), QStringLiteral("Hickeys"));
    lblFittings->setBuddy(chkFixtureStuds);
    auto* fittings = new QHBoxLayout;
    fittings->addWidget(chkFixtureStuds);
    fittings->addWidget(chkHickeys);
    fittings->addStretch();
    grid->addWidget(lblFittings, 2, 0);
    grid->addLayout(fittings, 2, 1);
    order << chkFixtureStuds << chkHickeys;

    QStringList sizes{largestInBox};
    for (const char* size : conductorSizes)
        sizes << awg(size).caption();
    auto sizedEntry = [&](EntryRow& entry, QComboBox*& list, int row, const QString& caption,
                          const QString& entryName, const QString& listCaption,
                          const QString& listName) {
        entry = addEntry(caption, QStringLiteral("lbl%1").arg(entryName),
                         QStringLiteral("txt%1").arg(entryName));
        entry.box->setMaximumWidth(
            entry.box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        list = makeList(new QComboBox(this), QStringLiteral("cbo%1").arg(listName), listCaption);
        list->addItems(sizes);
        grid->addWidget(entry.caption, row, 0);
        grid->addWidget(entry.box, row, 1, Qt::AlignLeft);
        grid->addWidget(makeCaption(this, QStringLiteral("lbl%1").arg(listName), listCaption, list),
                        row + 1, 0);
        grid->addWidget(list, row + 1, 1, Qt::AlignLeft);
        order << entry.box << list;
    };
    sizedEntry(txtDevices, cboDeviceSize, 3, QStringLiteral("Devices"), QStringLiteral("Devices"),
               QStringLiteral("Device conductor size"), QStringLiteral("DeviceSize"));
    sizedEntry(txtGrounding, cboGroundingSize, 5, QStringLiteral("Grounding conductors"),
               QStringLiteral("Grounding"), QStringLiteral("Largest grounding conductor"),
               QStringLiteral("GroundingSize"));

    // The box captions run long ("2⅜ FD — multiple cover/gang"): the boxes may cut them short.
    cboBoxType = makeList(new ElidedComboBox(this, listLength), QStringLiteral("cboBoxType"),
                          QStringLiteral("Box type"));
    cboBoxType->addItem(QStringLiteral("Any"), QString());
    for (const QString& type : m_boxes.types())
        cboBoxType->addItem(type, type);
    cboBox = makeList(new ElidedComboBox(this, listLength), QStringLiteral("cboBox"),
                      QStringLiteral("Box"));
    cboBox->addItem(QStringLiteral("None"));
    for (std::size_t i = 0; i < m_boxes.boxes.size(); ++i)
        cboBox->addItem(m_boxes.boxes[i].caption(), qulonglong(i));
    grid->addWidget(
        makeCaption(this, QStringLiteral("lblBoxType"), QStringLiteral("Box type"), cboBoxType), 7,
        0);
    grid->addWidget(cboBoxType, 7, 1);
    grid->addWidget(makeCaption(this, QStringLiteral("lblBox"), QStringLiteral("Box"), cboBox), 8,
                    0);
    grid->addWidget(cboBox, 8, 1);
    grid->setRowStretch(9, 1);
    order << cboBoxType << cboBox;

    for (const AnswerText& a : answerTexts)
        answers()->addRow(QString::fromUtf8(a.caption),
                          QStringLiteral("lbl%1Caption").arg(QLatin1String(a.name)),
                          QStringLiteral("lbl%1").arg(QLatin1String(a.name)));
    // A box caption may take two or three lines; its caption stays level with the first.
    answers()->value(SmallestBox)->setWordWrap(true);
    answers()->row(SmallestBox).caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    answers()->value(SmallestBox)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resultsColumn()->addStretch(1);
    // The answers are as wide as the longest box caption needs; a wider window widens the box
    // lists instead.
    int longest = 0;
    for (int i = 0; i < cboBox->count(); ++i)
        longest = std::max(longest, fontMetrics().horizontalAdvance(cboBox->itemText(i)));
    const int width = answers()->row(SmallestBox).caption->sizeHint().width() + longest + 24;
    answers()->setMaximumWidth(width);
    buttons()->setMaximumWidth(width);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    order << buttons()->button(0) << buttons()->button(1) << steps()->text();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    setFocusProxy(txtConductors[0].box);
}

std::optional<double> frmBoxFill::readCount(const EntryRow& row) {
    if (row.box->text().trimmed().isEmpty())
        return 0.0;
    return read(row);
}

void frmBoxFill::cmdCalculate_Click() {
    if (!tables().checkOpen())
        return;
    Nec::BoxFillInput input;
    for (std::size_t i = 0; i < conductorSizes.size(); ++i) {
        const std::optional<double> count = readCount(txtConductors[i]);
        if (!count)
            return;
        input.conductors.push_back({awg(conductorSizes[i]), *count});
    }
    const std::optional<double> devices = readCount(txtDevices);
    if (!devices)
        return;
    const std::optional<double> grounding = readCount(txtGrounding);
    if (!grounding)
        return;
    input.clamps = chkClamps->isChecked();
    input.fixtureStuds = chkFixtureStuds->isChecked();
    input.hickeys = chkHickeys->isChecked();
    input.devices = *devices;
    input.groundingConductors = *grounding;
    // The size lists hold "Largest in box", then the sizes in the order of the entries.
    if (const int i = cboDeviceSize->currentIndex(); i > 0)
        input.deviceSize = awg(conductorSizes[std::size_t(i - 1)]);
    if (const int i = cboGroundingSize->currentIndex(); i > 0)
        input.groundingSize = awg(conductorSizes[std::size_t(i - 1)]);
    input.boxType = cboBoxType->currentData().toString();
    if (cboBox->currentIndex() > 0)
        input.chosenBox = std::size_t(cboBox->currentData().toULongLong());

    const auto outcome = Nec::boxFill(input, m_allowances, m_boxes);
    const Nec::BoxFillResult* r = accept(outcome);
    if (!r)
        return;

    const double volumes[] = {r->conductors, r->clamps,    r->supportFittings,
                              r->devices,    r->grounding, r->required};
    for (int a = Conductors; a <= Required; ++a)
        answers()->setValue(a, volume(volumes[a]));
    answers()->setValue(SmallestBox, r->smallestBoxCaption);
    answers()->setValue(ChosenBoxVolume,
                        r->chosenBoxVolume ? volume(*r->chosenBoxVolume) : QString());
    answers()->setValue(LargeEnough, r->chosenBoxLargeEnough);
    steps()->setSteps(r->steps);
    // No box holds it: the volumes stay shown, the smallest box blank, and the user is told.
    if (!r->noBoxMessage.isEmpty())
        showError(r->noBoxMessage, QStringLiteral("Error"));
}

void frmBoxFill::cmdClear_Click() {
    clearResults();
    for (const EntryRow& row : txtConductors)
        row.box->clear();
    txtDevices.box->clear();
    txtGrounding.box->clear();
}
