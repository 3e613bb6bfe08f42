#include "electrical/frmOhmsLaw.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ButtonRow.h"
#include "common/DisplayMask.h"
#include "common/EntryFilterWidget.h"
#include "common/EntryReading.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/HistorySection.h"
#include "common/Twips.h"

namespace {
const QString notes = QStringLiteral(
    "Notes:                                I= Current in Amps             V= Voltage in Volts    "
    "      P= Power in Watts           R= Resistance in ohms");
constexpr int notesWidthTwips = 1935;
const QStringList historyColumns{QStringLiteral("lblRow1"), QStringLiteral("lblRow2"),
                                 QStringLiteral("lblRow3")};

} // namespace

frmOhmsLaw::frmOhmsLaw(QWidget* parent) : QWidget(parent) {
    GlobalSubs::CurrentFormKind = FormKind::OhmsLaw;
    setObjectName(QStringLiteral("frmOhmsLaw"));
    buildControls();
    showFormula(FormulaSelect);
}

void frmOhmsLaw::buildControls() {
    lblHeading = new QLabel(QStringLiteral("Ohms Law Calculations (DC)"), this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    setBoldFont(lblHeading, SheetHeadingScale);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* formulas = new QVBoxLayout(Frame1);
    for (int i = 0; i < OhmsLawDC::FormulaCount; ++i) {
        optFormula[i] =
            new QRadioButton(QString::fromLatin1(OhmsLawDC::formula(i).caption), Frame1);
        optFormula[i]->setObjectName(QStringLiteral("optFormula_%1").arg(i));
        formulas->addWidget(optFormula[i]);
        // The checked state, not the click, so arrow keys and a screen reader's toggle count.
        connect(optFormula[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optFormula_Click(i);
        });
    }

    Label1 = new QLabel(notes, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    // Narrow enough to put each quantity on a line of its own, wide enough for the longest.
    Label1->setFixedWidth(std::max(
        twipsToPixels(notesWidthTwips, logicalDpiX()),
        Label1->fontMetrics().horizontalAdvance(QStringLiteral("R= Resistance in ohms")) + 4));

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* givens = new QVBoxLayout(Frame2);
    for (int i = 0; i < 2; ++i) {
        lblGiven[i] = new QLabel(Frame2);
        lblGiven[i]->setObjectName(QStringLiteral("lblGiven_%1").arg(i));
        txtgiven[i] = new QLineEdit(Frame2);
        txtgiven[i]->setObjectName(QStringLiteral("txtgiven_%1").arg(i));
        lblGiven[i]->setBuddy(txtgiven[i]);
        attachEntryFilter(txtgiven[i]);
        givens->addWidget(lblGiven[i]);
        givens->addWidget(txtgiven[i]);
    }
    givens->addStretch();

    Frame3 = new HistorySection(
        this, historyColumns,
        {QStringLiteral("lblRow1_3"), QStringLiteral("lblRow2_3"), QStringLiteral("lblRow3_3")});
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setMinimumColumnWidth(QStringLiteral("88888.888"));
    std::array<std::array<QLabel*, 4>*, 3> columns{&lblRow1, &lblRow2, &lblRow3};
    for (int c = 0; c < 3; ++c) {
        for (int row = 0; row < ResultHistory::Rows; ++row)
            (*columns[c])[row] = Frame3->history().label(c, row);
        (*columns[c])[3] = Frame3->heading(c);
    }

    auto* buttons = makeCalculateClearRow(this);
    cmdCalculate = buttons->button(0);
    cmdClear = buttons->button(1);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmOhmsLaw::cmdCalculate_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmOhmsLaw::cmdClear_Click);
    for (QLineEdit* box : txtgiven)
        pressOnEnter(box, cmdCalculate);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Label1);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(Frame3);
    right->addWidget(buttons);
    right->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(Frame2);
    middle->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(middle);
    body->addLayout(right);
    body->addStretch();
    auto* page = new QVBoxLayout(this);
    page->addWidget(lblHeading);
    page->addLayout(body);
    page->addStretch();

    setFocusProxy(txtgiven[0]);
    setTabOrder(optFormula[0], txtgiven[0]);
    setTabOrder(txtgiven[0], txtgiven[1]);
    setTabOrder(txtgiven[1], cmdCalculate);
    setTabOrder(cmdCalculate, cmdClear);
}

void frmOhmsLaw::optFormula_Click(int index) {
    cmdClear_Click();
    FormulaSelect = static_cast<qint16>(index);
    showFormula(index);
}

void frmOhmsLaw::showFormula(int index) {
    const OhmsLawDC::Formula& f = OhmsLawDC::formula(index);
    for (int i = 0; i < 2; ++i)
        lblGiven[i]->setText(QString::fromLatin1(f.givens[i]));
    lblRow1[3]->setText(QString::fromLatin1(f.headings[0]));
    lblRow2[3]->setText(QString::fromLatin1(f.headings[1]));
    lblRow3[3]->setText(QString::fromLatin1(f.headings[2]));
    optFormula[index]->setChecked(true);
}

void frmOhmsLaw::cmdCalculate_Click() {
    // Everything is read and computed before the history moves, so a refused calculation leaves
    // the three rows exactly as they were.
    const auto a = readNumber(txtgiven[0], boxNameFromCaption(lblGiven[0]->text()));
    if (!a)
        return;
    const auto b = readNumber(txtgiven[1], boxNameFromCaption(lblGiven[1]->text()));
    if (!b)
        return;
    const Calculated result = OhmsLawDC::evaluate(FormulaSelect, *a, *b);
    if (!acceptResult(result))
        return;

    Shift();
    Frame3->history().setNewestRow({formatMask(*a, Mask::TwoToThreeDecimals),
                                    formatMask(*b, Mask::TwoToThreeDecimals),
                                    formatMask(result.value, Mask::TwoToThreeDecimals)});
}

void frmOhmsLaw::cmdClear_Click() {
    Frame3->history().clear();
    for (QLineEdit* box : txtgiven)
        box->clear();
}

void frmOhmsLaw::Shift() {
    Frame3->history().shift();
}
