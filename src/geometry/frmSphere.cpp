#include "geometry/frmSphere.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/AnswerGrid.h"
#include "common/ButtonRow.h"
#include "common/DrawingView.h"
#include "common/EntryReading.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "geometry/FigureEntries.h"
#include "geometry/Sphere.h"

namespace {
const QString title = QStringLiteral("Sphere Calculations");

// One row per quantity, in option order: the option, the entry caption once it is chosen, the
// result caption and the answer label.
struct QuantityRow {
    const char* option;
    const char* givenCaption;
    const char* answerName;
};
constexpr std::array<QuantityRow, 5> quantities{{
    {"Radius", "Radius = ", "lblRadius"},
    {"Diameter", "Diameter = ", "lblDiameter"},
    {"Circumference", "Circumference = ", "lblCircum"},
    {"Surface area", "Surface area = ", "lblArea"},
    {"Volume", "Volume =", "lblVolume"},
}};
} // namespace

frmSphere::frmSphere(QWidget* parent) : QWidget(parent) {
    GlobalSubs::CurrentFormKind = FormKind::Sphere;
    setObjectName(QStringLiteral("frmSphere"));
    setWindowTitle(title);
    buildControls();
}

void frmSphere::buildControls() {
    lblTitle = new QLabel(title, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    setBoldFont(lblTitle, SheetHeadingScale);

    auto* picture = new DrawingView(QStringLiteral(":/drawings/sphere.svg"), this);
    picture->setObjectName(QStringLiteral("picSphere"));

    fraGivencircle = new QGroupBox(QStringLiteral("Given:"), this);
    fraGivencircle->setObjectName(QStringLiteral("fraGivencircle"));
    auto* options = new QVBoxLayout(fraGivencircle);
    for (int i = 0; i < 5; ++i) {
        optGivensphere[i] =
            new QRadioButton(QString::fromLatin1(quantities[i].option), fraGivencircle);
        optGivensphere[i]->setObjectName(QStringLiteral("optGivensphere_%1").arg(i));
        options->addWidget(optGivensphere[i]);
    }
    optGivensphere[0]->setChecked(true);
    for (int i = 0; i < 5; ++i)
        connect(optGivensphere[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optGivensphere_Click(i);
        });

    fraGivenValue = new QGroupBox(this);
    fraGivenValue->setObjectName(QStringLiteral("fraGivenValue"));
    auto* given = new QHBoxLayout(fraGivenValue);
    givenRow = makeEntryRow(fraGivenValue, QStringLiteral("Radius ="),
                            QStringLiteral("lblGivenValue"), QStringLiteral("txtGivenValue"));
    txtGivenValue = givenRow.box;
    given->addWidget(givenRow.caption);
    given->addWidget(txtGivenValue);

    buttons = makeCalculateClearRow(this, Qt::Horizontal);
    cmdCalculate = buttons->button(0);
    cmdClear = buttons->button(1);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmSphere::cmdCalculate_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmSphere::cmdClear_Click);
    pressOnEnter(txtGivenValue, cmdCalculate);

    fraSphereResults = new QGroupBox(this);
    fraSphereResults->setObjectName(QStringLiteral("fraSphereResults"));
    answers = new AnswerGrid(fraSphereResults);
    for (const QuantityRow& q : quantities) {
        const QString name = QString::fromLatin1(q.answerName);
        answers->addRow(QString::fromLatin1(q.option), name + QStringLiteral("Caption"), name);
    }
    answers->setValueWidth(120);
    auto* results = new QVBoxLayout(fraSphereResults);
    results->addWidget(answers);

    auto* left = new QVBoxLayout;
    left->addWidget(fraGivencircle);
    left->addWidget(fraGivenValue);
    left->addWidget(buttons);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(picture);
    right->addWidget(fraSphereResults);
    right->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addSpacing(12);
    body->addLayout(right);
    body->addStretch();
    auto* page = new QVBoxLayout(this);
    page->addWidget(lblTitle);
    page->addLayout(body);
    page->addStretch();

    setFocusProxy(txtGivenValue);
    QWidget* order[] = {optGivensphere[0], optGivensphere[1], optGivensphere[2], optGivensphere[3],
                        optGivensphere[4], txtGivenValue,     cmdCalculate,      cmdClear};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmSphere::optGivensphere_Click(int index) {
    cmdClear_Click();
    givenRow.setCaption(QString::fromLatin1(quantities.at(index).givenCaption));
    intGiven = static_cast<qint16>(index);
}

void frmSphere::cmdCalculate_Click() {
    // An empty entry shows a sphere of nothing; any other text must be a number.
    const auto v = readNumberOrZero(txtGivenValue, givenRow.boxName());
    if (!v)
        return;
    const Answers<5> a = Sphere::solve(static_cast<Sphere::Given>(intGiven), *v);
    if (acceptResult(a.outcome()))
        answers->setValues(answerTexts(a, Sphere::masks));
}

void frmSphere::cmdClear_Click() {
    answers->clear();
    txtGivenValue->clear();
}
