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

#include "common/DisplayMask.h"
#include "common/DrawingView.h"
#include "common/EntryReading.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/ResultCopy.h"

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
        connect(optGivenrect[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optGivenrect_Click(i);
        });

    fraGivenValue = new QGroupBox(QStringLiteral("Given Values"), this);
    fraGivenValue->setObjectName(QStringLiteral("fraGivenValue"));
    auto* givens = new QGridLayout(fraGivenValue);
    for (int i = 0; i < FigureRows; ++i) {
        txtGivenValue[i] = makeEntryRow(fraGivenValue, latin1(DesignGivenCaptions[i]),
                                        QStringLiteral("lblGivenValue_%1").arg(i),
                                        QStringLiteral("txtGivenValue_%1").arg(i));
        txtGivenValue[i].box->setFixedWidth(EntryWidth);
        connect(txtGivenValue[i].box, &QLineEdit::returnPressed, this,
                [this] { cmdCalculate->click(); });
        givens->addWidget(txtGivenValue[i].caption, i, 0);
        givens->addWidget(txtGivenValue[i].box, i, 1);
        txtGivenValue[i].caption->setVisible(DesignGivenShown[i]);
        txtGivenValue[i].box->setVisible(DesignGivenShown[i]);
    }
    givens->setColumnStretch(0, 1);

    fraSphereResults = new QGroupBox(QStringLiteral("Results"), this);
    fraSphereResults->setObjectName(QStringLiteral("fraSphereResults"));
    auto* results = new QGridLayout(fraSphereResults);
    for (int i = 0; i < FigureRows; ++i) {
        lblResult[i] = new QLabel(latin1(DesignResultCaptions[i]), fraSphereResults);
        lblResult[i]->setObjectName(QStringLiteral("lblResult_%1").arg(i));
        lblAnswer[i] = new QLabel(fraSphereResults);
        lblAnswer[i]->setObjectName(QStringLiteral("lblAnswer_%1").arg(i));
        lblAnswer[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        lblAnswer[i]->setMinimumWidth(AnswerWidth);
        lblAnswer[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lblAnswer[i]->setAccessibleName(lblResult[i]->text());
        results->addWidget(lblResult[i], i, 0);
        results->addWidget(lblAnswer[i], i, 1);
    }
    std::vector<AnswerRow> copied;
    for (int i = 0; i < FigureRows; ++i)
        copied.push_back({lblResult[i], lblAnswer[i]});
    makeAnswerCopy(this, std::move(copied));
    results->setColumnStretch(0, 1);

    cmdCalculate = new QPushButton(QStringLiteral("CALCULATE"), this);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setAutoDefault(false);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmSquare::cmdCalculate_Click);
    cmdClear = new QPushButton(QStringLiteral("CLEAR"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClear->setAutoDefault(false);
    connect(cmdClear, &QPushButton::clicked, this, &frmSquare::cmdClear_Click);

    pictureSlot = new QGridLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(pictureSlot);
    left->addWidget(fraGivencircle);
    left->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmdClear);
    auto* right = new QVBoxLayout;
    right->addWidget(fraGivenValue);
    right->addWidget(fraSphereResults);
    right->addLayout(buttons);
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

        if (const char* caption = change.results[i].caption) {
            lblResult[i]->setText(latin1(caption));
            lblAnswer[i]->setAccessibleName(latin1(caption));
        }
        setShown(lblResult[i], lblAnswer[i], change.results[i].shown);
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
    const FigureAnswers answers = ::computeFigure(*figure, plan.given, inputs);
    if (!acceptResult({0.0, firstFault(answers)}))
        return;
    for (int i = 0; i < FigureRows; ++i)
        if (answers[i])
            lblAnswer[i]->setText(formatMask(answers[i]->value, Mask::TwoToThreeDecimals));
}

void frmSquare::cmdCalculate_Click() {
    CalculateFigure();
}

void frmSquare::cmdClear_Click() {
    for (int i = 0; i < FigureRows; ++i) {
        txtGivenValue[i].box->clear();
        lblAnswer[i]->clear();
    }
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
    for (QLabel* answer : lblAnswer)
        answer->setText(zeroAnswer);
}
