#include "geometry/frmGeometry.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ButtonRow.h"
#include "common/DrawingView.h"
#include "common/EntryReading.h"
#include "common/ErrorBox.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/ResultCopy.h"
#include "common/SystemColours.h"
#include "geometry/FigureEntries.h"

namespace {
constexpr std::array<const char*, 5> inputCaptions{"a=", "b=", "c=", "A=", "B="};

// Where the labels stand on the 385 x 267 drawing: the side captions above their values, beside
// the dimension lines; the angle values beside the angle marks at A and B.
struct Spot {
    int x, y;
    Qt::Alignment align;
};
constexpr int LabelWidth = 70;
constexpr int LabelHeight = 18;
constexpr std::array<Spot, 8> spots{{
    {314, 124, Qt::AlignLeft},    // a
    {165, 246, Qt::AlignHCenter}, // b
    {120, 98, Qt::AlignRight},    // c
    {84, 184, Qt::AlignLeft},     // A
    {297, 10, Qt::AlignLeft},     // B
    {314, 106, Qt::AlignLeft},    // "a="
    {120, 80, Qt::AlignRight},    // "c="
    {165, 228, Qt::AlignHCenter}, // "b="
}};

void setBackground(QLineEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}
} // namespace

frmGeometry::frmGeometry(QWidget* parent) : QWidget(parent) {
    GlobalSubs::CurrentFormKind = FormKind::Geometry;
    setObjectName(QStringLiteral("frmGeometry"));
    setWindowTitle(QStringLiteral("Kelvo (Triangle Calculations)"));
    buildControls();
}

void frmGeometry::buildControls() {
    lblTitle = new QLabel(QStringLiteral("Rt. Triangle Formulas"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    setBoldFont(lblTitle, SheetHeadingScale);

    fraRtTriangle = new QFrame(this);
    fraRtTriangle->setObjectName(QStringLiteral("fraRtTriangle"));
    fraRtTriangle->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);

    fraRightTriangle = new QGroupBox(QStringLiteral("Given Values:"), fraRtTriangle);
    fraRightTriangle->setObjectName(QStringLiteral("fraRightTriangle"));
    auto* inputs = new QGridLayout(fraRightTriangle);
    for (int i = 0; i < Rows; ++i) {
        inputRows[i] = makeEntryRow(fraRightTriangle, QString::fromLatin1(inputCaptions[i]),
                                    QStringLiteral("lblResult_%1").arg(i),
                                    QStringLiteral("txtInput_%1").arg(i));
        txtInput[i] = inputRows[i].box;
        inputs->addWidget(inputRows[i].caption, i, 0);
        inputs->addWidget(txtInput[i], i, 1);
        connect(txtInput[i], &QLineEdit::textChanged, this, &frmGeometry::txtInput_Change);
    }

    buttons = makeCalculateClearRow(fraRtTriangle, Qt::Horizontal);
    cmdCalculate = buttons->button(0);
    cmdClear = buttons->button(1);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmGeometry::cmdCalculate_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmGeometry::cmdClear_Click);
    for (QLineEdit* box : txtInput)
        pressOnEnter(box, cmdCalculate);

    imgRightTriangle =
        new DrawingView(QStringLiteral(":/drawings/right-triangle.svg"), fraRtTriangle);
    imgRightTriangle->setObjectName(QStringLiteral("imgRightTriangle"));
    placeDrawingLabels();

    auto* left = new QVBoxLayout;
    left->addWidget(fraRightTriangle);
    left->addWidget(buttons);
    left->addStretch();
    auto* inside = new QHBoxLayout(fraRtTriangle);
    inside->addLayout(left);
    inside->addSpacing(12);
    inside->addWidget(imgRightTriangle, 0, Qt::AlignTop);

    auto* body = new QHBoxLayout;
    body->addWidget(fraRtTriangle);
    body->addStretch();
    auto* page = new QVBoxLayout(this);
    page->addWidget(lblTitle);
    page->addLayout(body);
    page->addStretch();

    setFocusProxy(txtInput[0]);
    for (int i = 1; i < Rows; ++i)
        setTabOrder(txtInput[i - 1], txtInput[i]);
    setTabOrder(txtInput[Rows - 1], cmdCalculate);
    setTabOrder(cmdCalculate, cmdClear);
}

void frmGeometry::placeDrawingLabels() {
    constexpr std::array<const char*, 3> sideCaptions{"a=", "c=", "b="};
    for (std::size_t i = 0; i < lblanswer.size(); ++i) {
        auto* label = new QLabel(imgRightTriangle);
        label->setObjectName(QStringLiteral("lblanswer_%1").arg(i));
        const Spot& spot = spots[i];
        const int left = spot.align & Qt::AlignRight     ? spot.x - LabelWidth
                         : spot.align & Qt::AlignHCenter ? spot.x - LabelWidth / 2
                                                         : spot.x;
        label->setGeometry(left, spot.y, LabelWidth, LabelHeight);
        label->setAlignment(spot.align | Qt::AlignVCenter);
        if (i < Rows) {
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            label->hide(); // until the first calculation
        } else {
            label->setText(QString::fromLatin1(sideCaptions[i - Rows]));
            QFont italic = label->font();
            italic.setItalic(true);
            label->setFont(italic);
        }
        lblanswer[i] = label;
    }
    // The values on the drawing copy, and are read, under the captions of their entries.
    std::vector<AnswerRow> copied;
    for (int i = 0; i < Rows; ++i)
        copied.push_back({inputRows[i].caption, lblanswer[i]});
    makeAnswerCopy(this, std::move(copied));
}

void frmGeometry::txtInput_Change() {
    // Two givens fix the triangle: once two boxes hold text, the others are locked until one of
    // the two is emptied again.
    const auto first = std::find_if(txtInput.begin(), txtInput.end(),
                                    [](QLineEdit* box) { return !box->text().isEmpty(); });
    const bool twoGiven = first != txtInput.end() &&
                          std::any_of(first + 1, txtInput.end(),
                                      [](QLineEdit* box) { return !box->text().isEmpty(); });
    for (QLineEdit* box : txtInput) {
        if (twoGiven) {
            if (box->text().isEmpty()) {
                setBackground(box, systemColour(SystemColour::InactiveBorder));
                box->setEnabled(false);
            }
        } else {
            setBackground(box, Qt::white);
            box->setEnabled(true);
        }
    }
}

void frmGeometry::cmdCalculate_Click() {
    RtTriangle();
}

void frmGeometry::RtTriangle() {
    // Read every box first: a text that is not a number stops here with nothing written.
    RightTriangle::Values values{};
    for (int i = 0; i < Rows; ++i) {
        const auto v = readNumberOrZero(txtInput[i], inputRows[i].boxName());
        if (!v)
            return;
        values[i] = *v;
    }
    const int leg = RightTriangle::legNotShorterThanHypotenuse(values);
    if (leg >= 0) {
        showError(Messages::legNotShorterThanHypotenuse(inputRows[leg].boxName()));
        return;
    }
    const Answers<Rows> solved = RightTriangle::solve(values);
    if (!acceptResult(solved.outcome()))
        return;
    for (int i = 0; i < Rows; ++i) {
        lblanswer[i]->setText(formatMask(solved.values[i], RightTriangle::mask));
        lblanswer[i]->show();
    }
}

void frmGeometry::cmdClear_Click() {
    for (int i = 0; i < Rows; ++i) {
        txtInput[i]->clear();
        lblanswer[i]->clear();
        txtInput[i]->setEnabled(true);
        setBackground(txtInput[i], systemColour(SystemColour::WindowBackground));
    }
}
