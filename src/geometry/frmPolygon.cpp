#include "geometry/frmPolygon.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/DrawingView.h"
#include "common/EntryReading.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/ResultCopy.h"
#include "geometry/FigureEntries.h"

namespace {
QLabel* makeLabel(QWidget* parent, const QString& text, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}
} // namespace

frmPolygon::frmPolygon(QWidget* parent) : QWidget(parent) {
    GlobalSubs::CurrentFormKind = FormKind::Polygon;
    setObjectName(QStringLiteral("frmPolygon"));
    setWindowTitle(QStringLiteral("Form1"));
    buildControls();
}

void frmPolygon::buildControls() {
    lblHeading =
        makeLabel(this, QStringLiteral("Polygon Calculations"), QStringLiteral("lblHeading"));
    setBoldFont(lblHeading, SheetHeadingScale);

    auto* picture = new DrawingView(QStringLiteral(":/drawings/polygon-octagon.svg"), this);
    picture->setObjectName(QStringLiteral("picPolygon"));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* given = new QHBoxLayout(Frame1);
    givenRow = makeEntryRow(Frame1, QStringLiteral("a ="), QStringLiteral("lblGivenValue"),
                            QStringLiteral("txtGivenValue"));
    txtGivenValue = givenRow.box;
    given->addWidget(givenRow.caption);
    given->addWidget(txtGivenValue);
    connect(txtGivenValue, &QLineEdit::returnPressed, this, [this] { cmdCalculate->click(); });

    cmdCalculate = new QPushButton(QStringLiteral("CALCULATE"), this);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setAutoDefault(false);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmPolygon::cmdCalculate_Click);
    cmdClear = new QPushButton(QStringLiteral("CLEAR"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClear->setAutoDefault(false);
    connect(cmdClear, &QPushButton::clicked, this, &frmPolygon::cmdClear_Click);

    fraSphereResults = new QGroupBox(this);
    fraSphereResults->setObjectName(QStringLiteral("fraSphereResults"));
    auto* grid = new QGridLayout(fraSphereResults);
    grid->setHorizontalSpacing(10);
    lblResult[20] =
        makeLabel(fraSphereResults, QStringLiteral("Polygon"), QStringLiteral("lblResult_20"));
    lblResult[21] =
        makeLabel(fraSphereResults, QStringLiteral("No. of Sides"), QStringLiteral("lblResult_21"));
    auto* areaHeading =
        makeLabel(fraSphereResults, QStringLiteral("Area"), QStringLiteral("lblAreaHeading"));
    for (QLabel* heading : {lblResult[20], lblResult[21], areaHeading})
        setBoldFont(heading);
    grid->addWidget(lblResult[20], 0, 0);
    grid->addWidget(lblResult[21], 0, 1, Qt::AlignHCenter);
    grid->addWidget(areaHeading, 0, 2);

    for (int i = 0; i < RegularPolygon::RowCount; ++i) {
        const RegularPolygon::Row& row = RegularPolygon::rows[i];
        const int sides = row.sidesLabel;
        lblResult[i] = makeLabel(fraSphereResults, QString::fromLatin1(row.name),
                                 QStringLiteral("lblResult_%1").arg(i));
        lblResult[sides] = makeLabel(fraSphereResults, QString::number(row.sides),
                                     QStringLiteral("lblResult_%1").arg(sides));
        lblAnswer[i] = makeLabel(fraSphereResults, {}, QStringLiteral("lblAnswer_%1").arg(i));
        lblAnswer[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        lblAnswer[i]->setMinimumWidth(80);
        lblAnswer[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lblAnswer[i]->setAccessibleName(QStringLiteral("%1 area").arg(lblResult[i]->text()));
        grid->addWidget(lblResult[i], i + 1, 0);
        grid->addWidget(lblResult[sides], i + 1, 1, Qt::AlignHCenter);
        grid->addWidget(lblAnswer[i], i + 1, 2);
    }
    std::vector<AnswerRow> copied;
    for (int i = 0; i < RegularPolygon::RowCount; ++i)
        copied.push_back({lblResult[i], lblAnswer[i]});
    makeAnswerCopy(this, std::move(copied));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmdClear);
    auto* left = new QVBoxLayout;
    left->addWidget(picture);
    left->addWidget(Frame1);
    left->addLayout(buttons);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(fraSphereResults);
    right->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addSpacing(12);
    body->addLayout(right);
    body->addStretch();
    auto* page = new QVBoxLayout(this);
    page->addWidget(lblHeading);
    page->addLayout(body);
    page->addStretch();

    setFocusProxy(txtGivenValue);
    setTabOrder(txtGivenValue, cmdCalculate);
    setTabOrder(cmdCalculate, cmdClear);
}

void frmPolygon::cmdCalculate_Click() {
    // The side is required: an empty entry is told like any text that is not a number.
    const auto a = readNumber(txtGivenValue, givenRow.boxName());
    if (!a)
        return;
    const Answers<RegularPolygon::RowCount> areas = RegularPolygon::areas(*a);
    if (!acceptResult(areas.outcome()))
        return;
    for (int i = 0; i < RegularPolygon::RowCount; ++i)
        lblAnswer[i]->setText(formatMask(areas.values[i], RegularPolygon::AreaMask));
}

void frmPolygon::cmdClear_Click() {
    for (QLabel* answer : lblAnswer)
        answer->clear();
    txtGivenValue->clear();
}
