#include "electrical/frmOhmsLawAC.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ButtonRow.h"
#include "common/DisplayMask.h"
#include "common/EntryReading.h"
#include "common/ErrorBox.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/HistorySection.h"
#include "common/Messages.h"
#include "common/Twips.h"

namespace {
const QString notes =
    QStringLiteral("Notes:                                I= Current in Amps             V= "
                   "Voltage in Volts          P= Power in Watts           Z= Impedance in ohms "
                   "Theta= Phase Angle");
constexpr int notesWidthTwips = 1935;
const QStringList historyColumns{QStringLiteral("lblRow0"), QStringLiteral("lblRow1"),
                                 QStringLiteral("lblRow2"), QStringLiteral("lblRow3")};
constexpr int AngleColumn = 0; // the column only the formulas with an angle show
constexpr int ResultColumn = 3;

// How an empty box is named in its message: the first letter of its caption, or the whole
// "Theta" for the angle box.
QString shortName(const QString& caption, int box) {
    return caption.left(box == OhmsLawAC::AngleBox ? 5 : 1);
}
} // namespace

frmOhmsLawAC::frmOhmsLawAC(QWidget* parent) : QWidget(parent) {
    GlobalSubs::CurrentFormKind = FormKind::OhmsLawAC;
    setObjectName(QStringLiteral("frmOhmsLawAC"));
    buildControls();
    given[OhmsLawAC::AngleBox].box->setText(QStringLiteral("0"));
    showFormula(FormulaSelect);
}

void frmOhmsLawAC::buildControls() {
    lblHeading = new QLabel(QStringLiteral("Ohms Law Calculations (AC)"), this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    setBoldFont(lblHeading, SheetHeadingScale);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* formulas = new QVBoxLayout(Frame1);
    for (int i = 0; i < OhmsLawAC::FormulaCount; ++i) {
        optFormula[i] =
            new QRadioButton(QString::fromLatin1(OhmsLawAC::formula(i).caption), Frame1);
        optFormula[i]->setObjectName(QStringLiteral("optFormula_%1").arg(i));
        formulas->addWidget(optFormula[i]);
        connect(optFormula[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on && i != FormulaSelect)
                optFormula_Click(i);
        });
    }

    Label1 = new QLabel(notes, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    // Narrow enough to put each quantity on a line of its own, wide enough for the longest.
    Label1->setFixedWidth(std::max(
        twipsToPixels(notesWidthTwips, logicalDpiX()),
        Label1->fontMetrics().horizontalAdvance(QStringLiteral("Z= Impedance in ohms")) + 4));
    // Its width is fixed, so its height is too: without height-for-width the sheet's layout
    // keeps every option at its full height inside the shell's scroller.
    Label1->setMinimumHeight(Label1->heightForWidth(Label1->width()));
    QSizePolicy notesPolicy = Label1->sizePolicy();
    notesPolicy.setHeightForWidth(false);
    Label1->setSizePolicy(notesPolicy);

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* givens = new QVBoxLayout(Frame2);
    for (int i = 0; i < 3; ++i) {
        given[i] = makeEntryRow(Frame2, QString(), QStringLiteral("lblGiven_%1").arg(i),
                                QStringLiteral("txtgiven_%1").arg(i));
        givens->addWidget(given[i].caption);
        givens->addWidget(given[i].box);
    }
    givens->addStretch();

    QStringList headingNames;
    for (const QString& column : historyColumns)
        headingNames << column + QStringLiteral("_3");
    Frame3 = new HistorySection(this, historyColumns, headingNames);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setMinimumColumnWidth(QStringLiteral("8888.888"));
    for (int c = 0; c < 4; ++c) {
        for (int row = 0; row < ResultHistory::Rows; ++row)
            lblRow[c][row] = Frame3->history().label(c, row);
        lblRow[c][3] = Frame3->heading(c);
    }

    auto* buttons = makeCalculateClearRow(this);
    cmdCalculate = buttons->button(0);
    cmdClear = buttons->button(1);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmOhmsLawAC::cmdCalculate_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmOhmsLawAC::cmdClear_Click);
    for (const EntryRow& row : given)
        pressOnEnter(row.box, cmdCalculate);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Label1);
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(Frame2);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(Frame3);
    right->addWidget(buttons);
    right->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(middle);
    body->addLayout(right);
    body->addStretch();
    auto* page = new QVBoxLayout(this);
    page->addWidget(lblHeading);
    page->addLayout(body);
    page->addStretch();

    setFocusProxy(given[0].box);
    setTabOrder(optFormula[0], given[0].box);
    setTabOrder(given[0].box, given[1].box);
    setTabOrder(given[1].box, given[2].box);
    setTabOrder(given[2].box, cmdCalculate);
    setTabOrder(cmdCalculate, cmdClear);
}

void frmOhmsLawAC::optFormula_Click(int index) {
    cmdClear_Click();
    FormulaSelect = static_cast<qint16>(index);
    showFormula(index);
}

void frmOhmsLawAC::showFormula(int index) {
    const OhmsLawAC::Formula& f = OhmsLawAC::formula(index);
    for (int i = 0; i < 3; ++i) {
        const bool used = f.givens[i] != nullptr;
        given[i].setCaption(used ? QString::fromLatin1(f.givens[i]) : QString());
        given[i].caption->setVisible(used);
        given[i].box->setVisible(used);
    }
    for (int c = 0; c < 4; ++c) {
        const bool used = f.headings[c] != nullptr;
        lblRow[c][3]->setText(used ? QString::fromLatin1(f.headings[c]) : QString());
        for (QLabel* cell : lblRow[c])
            cell->setVisible(used);
    }
    optFormula[index]->setChecked(true);
}

bool frmOhmsLawAC::CheckGivenFields() {
    for (int i = 0; i < 3; ++i) {
        if (given[i].caption->isHidden())
            continue;
        if (given[i].box->text().isEmpty()) {
            showError(Messages::givenFieldEmpty(shortName(given[i].caption->text(), i)));
            return false;
        }
    }
    return true;
}

double frmOhmsLawAC::CalculateCosine(double theta) {
    AngleError = 0;
    if (OhmsLawAC::isRefusedAngle(theta)) {
        AngleError = -1;
        showError(Messages::cosThetaZero());
        return 0;
    }
    return OhmsLawAC::powerFactor(theta);
}

void frmOhmsLawAC::cmdCalculate_Click() {
    // Every check runs before the history moves, so a refused calculation leaves the three rows
    // exactly as they were.
    if (!CheckGivenFields())
        return;
    const bool angle = OhmsLawAC::usesAngle(FormulaSelect);
    std::array<double, 3> values{};
    for (int i = 0; i < (angle ? 3 : 2); ++i) {
        const auto value = readNumber(given[i].box, given[i].boxName());
        if (!value)
            return;
        values[i] = *value;
    }
    const auto [a, b, theta] = values;
    double cosine = 1;
    AngleError = 0;
    if (angle)
        cosine = CalculateCosine(theta);
    // The angle message comes first; a zero divisor is told even after a refused angle.
    if (OhmsLawAC::dividesBySecondGiven(FormulaSelect) && b == 0) {
        showError(Messages::cantDivideByZeroLowerBang());
        return;
    }
    if (AngleError)
        return;
    const Calculated result = OhmsLawAC::evaluate(FormulaSelect, a, b, cosine);
    if (!acceptResult(result))
        return;

    const auto shown = [](double v) { return formatMask(v, Mask::TwoToThreeDecimals); };
    QStringList row{QString(), shown(a), shown(b), shown(result.value)};
    if (angle)
        row = {shown(a), shown(b), shown(theta), shown(result.value)};
    Shift();
    Frame3->history().setNewestRow(row);
}

void frmOhmsLawAC::cmdClear_Click() {
    Frame3->history().clear();
    given[0].box->clear();
    given[1].box->clear();
    given[OhmsLawAC::AngleBox].box->setText(QStringLiteral("0"));
}

void frmOhmsLawAC::Shift() {
    Frame3->history().shift();
}
