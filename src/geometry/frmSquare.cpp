#include "geometry/frmSquare.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/AnswerGrid.h"
#include "common/ButtonRow.h"
#include "common/DisplayMask.h"
#include "common/DrawingView.h"
#include "common/EntryReading.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/OptionChoice.h"

namespace {
constexpr int EntryWidth = 100;
constexpr int AnswerWidth = 110;
const QString zeroAnswer = QStringLiteral("0");

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

void setShown(QWidget* first, QWidget* second, FigureLayouts::Shown shown) {
    if (shown == FigureLayouts::Shown::Keep)
        return;
    first->setVisible(shown == FigureLayouts::Shown::Yes);
    second->setVisible(shown == FigureLayouts::Shown::Yes);
}
} // namespace

frmSquare::frmSquare(QWidget* parent)
    : QWidget(parent), figure(figureFromSelect(GlobalSubs::FigureSelect)) {
    GlobalSubs::CurrentFormKind = FormKind::Square;
    setObjectName(QStringLiteral("frmSquare"));
    setWindowTitle(latin1(FigureLayouts::FormCaption));
    buildControls();
    ScreenInitialized = 0;
    CalculateFigure();
}

void frmSquare::buildControls() {
    using namespace FigureLayouts;
    lblTitle = new QLabel(latin1(DesignTitle), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    setBoldFont(lblTitle, SheetHeadingScale);

    fraGivencircle = new QGroupBox(QStringLiteral("Given"), this);
    fraGivencircle->setObjectName(QStringLiteral("fraGivencircle"));
    auto* options = new QVBoxLayout(fraGivencircle);
    for (int i = 0; i < OptionCount; ++i) {
        optGivenrect[i] = new QRadioButton(latin1(DesignOptions[i]), fraGivencircle);
        optGivenrect[i]->setObjectName(QStringLiteral("optGivenrect_%1").arg(i));
        options->addWidget(optGivenrect[i]);
    }
    optGivenrect[0]->setChecked(true);
    for (int i = 0; i < OptionCount; ++i)
        onOptionChosen(optGivenrect[i], [this, i] { optGivenrect_Click(i); });

    fraGivenValue = new QGroupBox(QStringLiteral("Given Values"), this);
    fraGivenValue->setObjectName(QStringLiteral("fraGivenValue"));
    auto* givens = new QGridLayout(fraGivenValue);
    for (int i = 0; i < FigureRows; ++i) {
        txtGivenValue[i] = makeEntryRow(fraGivenValue, latin1(DesignGivenCaptions[i]),
                                        QStringLiteral("lblGivenValue_%1").arg(i),
                                        QStringLiteral("txtGivenValue_%1").arg(i));
        txtGivenValue[i].box->setFixedWidth(EntryWidth);
        givens->addWidget(txtGivenValue[i].caption, i, 0);
        givens->addWidget(txtGivenValue[i].box, i, 1);
        txtGivenValue[i].caption->setVisible(DesignGivenShown[i]);
        txtGivenValue[i].box->setVisible(DesignGivenShown[i]);
    }
    givens->setColumnStretch(0, 1);

    fraSphereResults = new QGroupBox(QStringLiteral("Results"), this);
    fraSphereResults->setObjectName(QStringLiteral("fraSphereResults"));
    answers = new AnswerGrid(fraSphereResults);
    for (int i = 0; i < FigureRows; ++i)
        answers->addRow(latin1(DesignResultCaptions[i]), QStringLiteral("lblResult_%1").arg(i),
                        QStringLiteral("lblAnswer_%1").arg(i));
    answers->setValueWidth(AnswerWidth);
    auto* results = new QVBoxLayout(fraSphereResults);
    results->addWidget(answers);

    buttons = makeCalculateClearRow(this, Qt::Horizontal);
    cmdCalculate = buttons->button(0);
    cmdClear = buttons->button(1);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmSquare::cmdCalculate_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmSquare::cmdClear_Click);
    for (const EntryRow& row : txtGivenValue)
        pressOnEnter(row.box, cmdCalculate);

    pictureSlot = new QGridLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(pictureSlot);
    left->addWidget(fraGivencircle);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(fraGivenValue);
    right->addWidget(fraSphereResults);
    right->addWidget(buttons);
    right->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right);
    body->addStretch();
    auto* page = new QVBoxLayout(this);
    page->addWidget(lblTitle);
    page->addLayout(body);
    page->addStretch();

    setFocusProxy(txtGivenValue[0].box);
    QWidget* previous = optGivenrect[OptionCount - 1];
    for (int i = 0; i + 1 < OptionCount; ++i)
        setTabOrder(optGivenrect[i], optGivenrect[i + 1]);
    for (const EntryRow& row : txtGivenValue) {
        setTabOrder(previous, row.box);
        previous = row.box;
    }
    setTabOrder(previous, cmdCalculate);
    setTabOrder(cmdCalculate, cmdClear);
}

void frmSquare::CalculateFigure() {
    if (!figure)
        return;
    if (ScreenInitialized == 0) {
        setUpFigure(FigureLayouts::layout(*figure));
        ScreenInitialized = -1;
        return;
    }
    computeAnswers();
}

void frmSquare::setUpFigure(const FigureLayouts::FigureLayout& look) {
    lblTitle->setText(latin1(look.title));
    for (std::size_t i = 0; i < look.drawings.size(); ++i) {
        if (!look.drawings[i].name)
            continue;
        pictures[i] = new DrawingView(latin1(look.drawings[i].resource), this);
        pictures[i]->setObjectName(latin1(look.drawings[i].name));
        pictures[i]->setAccessibleName(latin1(look.title));
        pictureSlot->addWidget(pictures[i], 0, 0, Qt::AlignLeft | Qt::AlignTop);
    }
    showDrawing(0);
    for (int i = 0; i < FigureLayouts::OptionCount; ++i) {
        if (look.options[i])
            optGivenrect[i]->setText(latin1(look.options[i]));
        optGivenrect[i]->setVisible(look.options[i] != nullptr);
    }
    apply(look.setUp);
}

void frmSquare::apply(const FigureLayouts::Relabel& change) {
    for (int i = 0; i < FigureRows; ++i) {
        if (const char* caption = change.given[i].caption)
            txtGivenValue[i].setCaption(latin1(caption));
        setShown(txtGivenValue[i].caption, txtGivenValue[i].box, change.given[i].shown);

        if (const char* caption = change.results[i].caption)
            answers->setCaption(i, latin1(caption));
        if (change.results[i].shown != FigureLayouts::Shown::Keep)
            answers->setRowVisible(i, change.results[i].shown == FigureLayouts::Shown::Yes);
    }
    if (change.drawing >= 0)
        showDrawing(change.drawing);
}

void frmSquare::showDrawing(int index) {
    for (std::size_t i = 0; i < pictures.size(); ++i)
        if (pictures[i])
            pictures[i]->setVisible(static_cast<int>(i) == index);
}

void frmSquare::computeAnswers() {
    std::array<bool, FigureRows> filled{};
    for (int i = 0; i < FigureRows; ++i)
        filled[i] = !txtGivenValue[i].box->text().isEmpty();
    const FigurePlan plan = planFigure(*figure, intGiven, filled);
    if (!plan.compute) {
        ZeroAnswer();
        return;
    }

    // Every field is read and every answer computed before one is shown, so a refusal leaves
    // the answers as they were.
    FigureInputs inputs{};
    for (int i = 0; i < FigureRows; ++i) {
        if (!(plan.fieldsToRead & (1u << i)))
            continue;
        const auto value = readNumber(txtGivenValue[i].box, txtGivenValue[i].boxName());
        if (!value)
            return;
        inputs[i] = *value;
    }
    const FigureAnswers computed = ::computeFigure(*figure, plan.given, inputs);
    if (!acceptResult({0.0, firstFault(computed)}))
        return;
    for (int i = 0; i < FigureRows; ++i)
        if (computed[i])
            answers->setValue(i, formatMask(computed[i]->value, Mask::TwoToThreeDecimals));
}

void frmSquare::cmdCalculate_Click() {
    CalculateFigure();
}

void frmSquare::cmdClear_Click() {
    for (const EntryRow& row : txtGivenValue)
        row.box->clear();
    answers->clear();
}

void frmSquare::optGivenrect_Click(int index) {
    {
        // Called directly (not from the button), the button must still show the choice.
        const QSignalBlocker quiet(optGivenrect[index]);
        optGivenrect[index]->setChecked(true);
    }
    cmdClear_Click();
    if (!figure)
        return;
    if (const FigureLayouts::Relabel* change = FigureLayouts::optionRelabel(*figure, index)) {
        apply(*change);
        intGiven = static_cast<qint16>(index);
    }
}

void frmSquare::ZeroAnswer() {
    answers->fill(zeroAnswer);
}
