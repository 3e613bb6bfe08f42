#include "geometry/frmSphere.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/DrawingView.h"
#include "common/EntryReading.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/ResultCopy.h"
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
    connect(txtGivenValue, &QLineEdit::returnPressed, this, [this] { cmdCalculate->click(); });

    cmdCalculate = new QPushButton(QStringLiteral("CALCULATE"), this);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setAutoDefault(false);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmSphere::cmdCalculate_Click);
    cmdClear = new QPushButton(QStringLiteral("CLEAR"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClear->setAutoDefault(false);
    connect(cmdClear, &QPushButton::clicked, this, &frmSphere::cmdClear_Click);

    fraSphereResults = new QGroupBox(this);
    fraSphereResults->setObjectName(QStringLiteral("fraSphereResults"));
    auto* results = new QGridLayout(fraSphereResults);
    std::vector<AnswerRow> copied;
    for (int i = 0; i < 5; ++i) {
        const QString caption = QString::fromLatin1(quantities[i].option);
        auto* label = new QLabel(caption, fraSphereResults);
        label->setObjectName(QString::fromLatin1(quantities[i].answerName) +
                             QStringLiteral("Caption"));
        answers[i] = new QLabel(fraSphereResults);
        answers[i]->setObjectName(QString::fromLatin1(quantities[i].answerName));
        answers[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        answers[i]->setMinimumWidth(120);
        answers[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        answers[i]->setAccessibleName(caption);
        results->addWidget(label, i, 0);
        results->addWidget(answers[i], i, 1);
        copied.push_back({label, answers[i]});
    }
    makeAnswerCopy(this, std::move(copied));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmdClear);
    auto* left = new QVBoxLayout;
    left->addWidget(fraGivencircle);
    left->addWidget(fraGivenValue);
    left->addLayout(buttons);
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
        showAnswers(answers, answerTexts(a, Sphere::masks));
}

void frmSphere::cmdClear_Click() {
    for (QLabel* answer : answers)
        answer->clear();
    txtGivenValue->clear();
}
