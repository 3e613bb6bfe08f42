#include "geometry/frmCircle.h"

#include <QGridLayout>
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
#include "common/OptionChoice.h"
#include "geometry/CircleFigures.h"
#include "geometry/FigureEntries.h"

namespace {
// The pictures, by their index in frmCircle::pictures.
namespace Picture {
enum : int { Circle, Sector, Segment, HollowSector, Ellipse };
}

struct PictureRow {
    const char* name;
    const char* resource;
};
constexpr std::array<PictureRow, 5> pictureRows{{
    {"picCircle", ":/drawings/circle-plain.svg"},
    {"picCircleSector", ":/drawings/circle-sector.svg"},
    {"picCircleSegment", ":/drawings/circle-segment.svg"},
    {"picHollowSec", ":/drawings/circle-hollow-sector.svg"},
    {"picEllipse", ":/drawings/circle-ellipse.svg"},
}};
} // namespace

// Everything a layout shows; a null caption hides its row (a hidden row keeps its old caption).
struct CircleLayout {
    const char* title;
    int picture;
    std::array<const char*, 4> options;
    std::array<const char*, 3> givens;
    std::array<const char*, 4> results;
};

namespace {
using Layout = CircleLayout;

constexpr const char* CircleTitle = "Circle Calculations";
constexpr const char* SectionsTitle = "Cirle Section Calculations";
constexpr std::array<const char*, 4> sectionOptions{"Sector of Circle", "Seg. of Circle",
                                                    "Hollow Circle Sector", nullptr};

constexpr Layout circleLayout{CircleTitle,
                              Picture::Circle,
                              {"Radius", "Diameter", "Circumference", "Area"},
                              {"r =", nullptr, nullptr},
                              {"Radius", "Diameter", "Circumference", "Area"}};
constexpr Layout ellipseLayout{CircleTitle,
                               Picture::Ellipse,
                               {"a/b", nullptr, nullptr, nullptr},
                               {"a =", "b =", nullptr},
                               {"a", "b", "Area", "Perimeter"}};

// The circle-sections layouts by option: sector (also the layout at load), segment, hollow sector.
constexpr std::array<Layout, 3> sectionLayouts{{
    {SectionsTitle,
     Picture::Sector,
     sectionOptions,
     {"r =", "Degrees =", nullptr},
     {"Radius", "Degrees", "Arc Length AC", "Area ABCA"}},
    {SectionsTitle,
     Picture::Segment,
     sectionOptions,
     {"r =", "Degrees =", nullptr},
     {"Radius", "Degrees", "Area ACDA", nullptr}},
    {SectionsTitle,
     Picture::HollowSector,
     sectionOptions,
     {"r1", "r2", "Degrees"},
     {"r1", "r2", "Degrees", "Area ABCDA"}},
}};

// The layout each CircleSelect value loads.
constexpr std::array<const Layout*, 3> loadLayouts{&circleLayout, &sectionLayouts[0],
                                                   &ellipseLayout};

// The circle's given caption by option.
constexpr std::array<const char*, 4> circleGivenCaptions{
    "Radius = ", "Diameter = ", "Circumference = ", "Area = "};

QString text(const char* caption) {
    return QString::fromLatin1(caption);
}
} // namespace

frmCircle::frmCircle(QWidget* parent) : QWidget(parent) {
    GlobalSubs::CurrentFormKind = FormKind::Circle;
    layoutKind = GlobalSubs::CircleSelect;
    setObjectName(QStringLiteral("frmCircle"));
    setWindowTitle(text(CircleTitle));
    buildControls();
    if (layoutKind >= 0 && layoutKind < static_cast<qint16>(loadLayouts.size()))
        applyLayout(*loadLayouts[layoutKind]);
}

void frmCircle::buildControls() {
    lblTitle = new QLabel(text(CircleTitle), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    setBoldFont(lblTitle, SheetHeadingScale);

    fraGivencircle = new QGroupBox(QStringLiteral("Given:"), this);
    fraGivencircle->setObjectName(QStringLiteral("fraGivencircle"));
    auto* options = new QVBoxLayout(fraGivencircle);
    for (int i = 0; i < 4; ++i) {
        optGivencircle[i] = new QRadioButton(text(circleLayout.options[i]), fraGivencircle);
        optGivencircle[i]->setObjectName(QStringLiteral("optGivencircle_%1").arg(i));
        options->addWidget(optGivencircle[i]);
    }
    optGivencircle[0]->setChecked(true);
    for (int i = 0; i < 4; ++i)
        onOptionChosen(optGivencircle[i], [this, i] { optGivencircle_Click(i); });

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* givens = new QGridLayout(Frame1);
    constexpr std::array<const char*, 3> designGivens{"r =", "Degrees =", "r ="};
    for (int i = 0; i < 3; ++i) {
        givenRows[i] =
            makeEntryRow(Frame1, text(designGivens[i]), QStringLiteral("lblGivenValue_%1").arg(i),
                         QStringLiteral("txtGivenValue_%1").arg(i));
        txtGivenValue[i] = givenRows[i].box;
        givens->addWidget(givenRows[i].caption, i, 0);
        givens->addWidget(txtGivenValue[i], i, 1);
        if (i > 0) {
            givenRows[i].caption->hide();
            txtGivenValue[i]->hide();
        }
    }

    buttons = makeCalculateClearRow(this, Qt::Horizontal);
    cmdCalculate = buttons->button(0);
    cmdClear = buttons->button(1);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmCircle::cmdCalculate_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmCircle::cmdClear_Click);
    for (QLineEdit* box : txtGivenValue)
        pressOnEnter(box, cmdCalculate);

    for (std::size_t i = 0; i < pictures.size(); ++i) {
        pictures[i] = new DrawingView(text(pictureRows[i].resource), this);
        pictures[i]->setObjectName(text(pictureRows[i].name));
        pictures[i]->hide();
    }

    fraCircleResults = new QGroupBox(this);
    fraCircleResults->setObjectName(QStringLiteral("fraCircleResults"));
    answers = new AnswerGrid(fraCircleResults);
    for (int i = 0; i < 4; ++i)
        answers->addRow(text(circleLayout.results[i]), QStringLiteral("lblAnswerCaption_%1").arg(i),
                        QStringLiteral("lblAnswer_%1").arg(i));
    answers->setValueWidth(120);
    auto* results = new QVBoxLayout(fraCircleResults);
    results->addWidget(answers);

    auto* left = new QVBoxLayout;
    left->addWidget(fraGivencircle);
    left->addWidget(Frame1);
    left->addWidget(buttons);
    left->addStretch();
    auto* right = new QVBoxLayout;
    for (DrawingView* picture : pictures)
        right->addWidget(picture);
    right->addWidget(fraCircleResults);
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

    setFocusProxy(txtGivenValue[0]);
    QWidget* order[] = {optGivencircle[0], optGivencircle[1], optGivencircle[2],
                        optGivencircle[3], txtGivenValue[0],  txtGivenValue[1],
                        txtGivenValue[2],  cmdCalculate,      cmdClear};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmCircle::applyLayout(const CircleLayout& layout) {
    lblTitle->setText(text(layout.title));
    for (std::size_t i = 0; i < pictures.size(); ++i)
        pictures[i]->setVisible(static_cast<int>(i) == layout.picture);
    for (std::size_t i = 0; i < optGivencircle.size(); ++i) {
        if (layout.options[i])
            optGivencircle[i]->setText(text(layout.options[i]));
        optGivencircle[i]->setVisible(layout.options[i] != nullptr);
    }
    for (std::size_t i = 0; i < givenRows.size(); ++i) {
        if (layout.givens[i])
            givenRows[i].setCaption(text(layout.givens[i]));
        givenRows[i].caption->setVisible(layout.givens[i] != nullptr);
        givenRows[i].box->setVisible(layout.givens[i] != nullptr);
    }
    for (int i = 0; i < answers->rowCount(); ++i) {
        if (layout.results[i])
            answers->setCaption(i, text(layout.results[i]));
        answers->setRowVisible(i, layout.results[i] != nullptr);
    }
}

void frmCircle::optGivencircle_Click(int index) {
    cmdClear_Click();
    switch (layoutKind) {
    case 0:
        givenRows[0].setCaption(text(circleGivenCaptions.at(index)));
        intGiven = static_cast<qint16>(index);
        break;
    case 1:
        if (index < static_cast<int>(sectionLayouts.size())) {
            applyLayout(sectionLayouts[index]);
            intGiven = static_cast<qint16>(index);
        }
        break;
    default: // the ellipse has one option: choosing it only clears
        break;
    }
}

void frmCircle::cmdCalculate_Click() {
    switch (layoutKind) {
    case 0:
        CalculateCircle();
        break;
    case 1:
        if (intGiven == 0)
            CalculateCircleSection();
        else if (intGiven == 1)
            CalculateCircleSegment();
        else if (intGiven == 2)
            CalculateHollowSec();
        break;
    case 2:
        CalculateEllipse();
        break;
    default:
        break;
    }
}

void frmCircle::cmdClear_Click() {
    answers->clear();
    for (QLineEdit* box : txtGivenValue)
        box->clear();
}

void frmCircle::zeroAnswers() {
    answers->fill(QStringLiteral("0"));
}

void frmCircle::CalculateCircle() {
    // An empty entry shows a circle of nothing; any other text must be a number.
    const auto v = readNumberOrZero(txtGivenValue[0], givenRows[0].boxName());
    if (!v)
        return;
    const Answers<4> a =
        CircleFigures::circle(static_cast<CircleFigures::CircleGiven>(intGiven), *v);
    if (!acceptResult(a.outcome()))
        return;
    answers->setValues(answerTexts(a, CircleFigures::circleMasks));
}

void frmCircle::CalculateCircleSection() {
    if (anyBlank(std::span(txtGivenValue).first(2)))
        return zeroAnswers();
    const auto r = readNumber(txtGivenValue[0], givenRows[0].boxName());
    const auto theta = r ? readNumber(txtGivenValue[1], givenRows[1].boxName()) : std::nullopt;
    if (!theta)
        return;
    const Answers<4> a = CircleFigures::sector(*r, *theta);
    if (acceptResult(a.outcome()))
        answers->setValues(answerTexts(a, CircleFigures::sectorMasks));
}

void frmCircle::CalculateCircleSegment() {
    if (anyBlank(std::span(txtGivenValue).first(2)))
        return zeroAnswers();
    const auto r = readNumber(txtGivenValue[0], givenRows[0].boxName());
    const auto theta = r ? readNumber(txtGivenValue[1], givenRows[1].boxName()) : std::nullopt;
    if (!theta)
        return;
    const Answers<3> a = CircleFigures::segment(*r, *theta);
    if (acceptResult(a.outcome()))
        answers->setValues(answerTexts(a, CircleFigures::segmentMasks));
}

void frmCircle::CalculateHollowSec() {
    if (anyBlank(txtGivenValue))
        return zeroAnswers();
    const auto r1 = readNumber(txtGivenValue[0], givenRows[0].boxName());
    const auto r2 = r1 ? readNumber(txtGivenValue[1], givenRows[1].boxName()) : std::nullopt;
    const auto theta = r2 ? readNumber(txtGivenValue[2], givenRows[2].boxName()) : std::nullopt;
    if (!theta)
        return;
    const Answers<4> a = CircleFigures::hollowSector(*r1, *r2, *theta);
    if (acceptResult(a.outcome()))
        answers->setValues(answerTexts(a, CircleFigures::hollowSectorMasks));
}

void frmCircle::CalculateEllipse() {
    if (anyBlank(std::span(txtGivenValue).first(2)))
        return zeroAnswers();
    const auto a = readNumber(txtGivenValue[0], givenRows[0].boxName());
    const auto b = a ? readNumber(txtGivenValue[1], givenRows[1].boxName()) : std::nullopt;
    if (!b)
        return;
    const Answers<4> e = CircleFigures::ellipse(*a, *b);
    if (acceptResult(e.outcome()))
        answers->setValues(answerTexts(e, CircleFigures::ellipseMasks));
}
