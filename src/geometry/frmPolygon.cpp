#include "geometry/frmPolygon.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/AnswerGrid.h"
#include "common/ButtonRow.h"
#include "common/DrawingView.h"
#include "common/EntryReading.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
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

    buttons = makeCalculateClearRow(this, Qt::Horizontal);
    cmdCalculate = buttons->button(0);
    cmdClear = buttons->button(1);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmPolygon::cmdCalculate_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmPolygon::cmdClear_Click);
    pressOnEnter(txtGivenValue, cmdCalculate);

    fraSphereResults = new QGroupBox(this);
    fraSphereResults->setObjectName(QStringLiteral("fraSphereResults"));
    // Polygon name, its number of sides, its area.
    answers = new AnswerGrid(fraSphereResults, 1);
    lblResult[20] =
        answers->addHeading(0, QStringLiteral("Polygon"), QStringLiteral("lblResult_20"));
    lblResult[21] = answers->addHeading(1, QStringLiteral("No. of Sides"),
                                        QStringLiteral("lblResult_21"), Qt::AlignHCenter);
    answers->addHeading(2, QStringLiteral("Area"), QStringLiteral("lblAreaHeading"));
    for (int i = 0; i < RegularPolygon::RowCount; ++i) {
        const RegularPolygon::Row& row = RegularPolygon::rows[i];
        const AnswerRow added =
            answers->addRow(QString::fromLatin1(row.name), QStringLiteral("lblResult_%1").arg(i),
                            QStringLiteral("lblAnswer_%1").arg(i));
        lblResult[i] = added.caption;
        lblResult[row.sidesLabel] =
            answers->addCell(i, 1, QString::number(row.sides),
                             QStringLiteral("lblResult_%1").arg(row.sidesLabel), Qt::AlignHCenter);
        added.value->setAccessibleName(QStringLiteral("%1 area").arg(added.caption->text()));
    }
    answers->setValueWidth(80);
    auto* results = new QVBoxLayout(fraSphereResults);
    results->addWidget(answers);

    auto* left = new QVBoxLayout;
    left->addWidget(picture);
    left->addWidget(Frame1);
    left->addWidget(buttons);
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
        answers->setValue(i, formatMask(areas.values[i], RegularPolygon::AreaMask));
}

void frmPolygon::cmdClear_Click() {
    answers->clear();
    txtGivenValue->clear();
}
