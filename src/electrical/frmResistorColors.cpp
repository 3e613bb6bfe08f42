#include "electrical/frmResistorColors.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstdlib>
#include <span>

#include "common/DrawingView.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/ResultCopy.h"

namespace {
using ColorCode::Colours;

QColor colourOf(int index) {
    const ColorCode::Rgb& rgb = Colours.at(static_cast<std::size_t>(index)).rgb;
    return {rgb.red, rgb.green, rgb.blue};
}

// A band colour close to the window's own face would vanish (yellow on a light desktop, black
// on a dark one), so such a caption sits on a dark or light face of its own, whichever stands
// farther from it.
void paintCaption(QRadioButton* option, int index) {
    if (index == ColorCode::NoColour)
        return;
    const QColor colour = colourOf(index);
    QPalette palette = option->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    const int text = qGray(colour.rgb());
    if (std::abs(text - qGray(palette.color(QPalette::Window).rgb())) < 100) {
        // A palette rather than a style sheet: a style sheet per option costs a style of its own
        // (an option's background role is Button).
        const QColor dark(0x40, 0x40, 0x40), light(0xe8, 0xe8, 0xe8);
        const bool onDark =
            std::abs(text - qGray(dark.rgb())) > std::abs(text - qGray(light.rgb()));
        palette.setColor(QPalette::Button, onDark ? dark : light);
        option->setAutoFillBackground(true);
    }
    option->setPalette(palette);
}

void paintBand(QLabel* band, int index) {
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, colourOf(index));
    band->setPalette(palette);
}

// The drawing's band positions: left edge and width in its 360 x 120 design pixels.
struct BandPlace {
    int x, width;
};
constexpr std::array<BandPlace, 4> bandPlaces{{{130, 14}, {158, 14}, {186, 14}, {224, 14}}};
constexpr int bandTop = 46;
constexpr int bandHeight = 48;
constexpr int letterTop = 14;
} // namespace

frmResistorColors::frmResistorColors(QWidget* parent) : QWidget(parent) {
    GlobalSubs::CurrentFormKind = FormKind::ResistorColors;
    setObjectName(QStringLiteral("frmResistorColors"));
    buildControls();
}

void frmResistorColors::buildControls() {
    Label10 = new QLabel(QStringLiteral("Resistor Color Codes"), this);
    Label10->setObjectName(QStringLiteral("Label10"));
    setBoldFont(Label10, SheetHeadingScale);

    // Each list: its frame, its option array, the caption each colour has in it (nullptr: none),
    // which element is chosen at load, and its click handler.
    struct List {
        QGroupBox*& frame;
        const char* frameName;
        const char* caption;
        std::span<QRadioButton*> options;
        const char* optionName;
        int chosen;
        void (frmResistorColors::*click)(int);
    };
    const std::array<List, 4> lists{{
        {fraA, "fraA", "1st Digit (A)", optA, "optA", 0, &frmResistorColors::optA_Click},
        {Frame2, "Frame2", "2nd Digit (B)", optB, "optB", 1, &frmResistorColors::optB_Click},
        {Frame3, "Frame3", "Multiplier (C)", optC, "optC", 0, &frmResistorColors::optC_Click},
        {Frame4, "Frame4", "Tolerance (D)", optD, "optD", 1, &frmResistorColors::optD_Click},
    }};
    auto* frames = new QHBoxLayout;
    for (const List& list : lists) {
        list.frame = new QGroupBox(QLatin1String(list.caption), this);
        list.frame->setObjectName(QLatin1String(list.frameName));
        auto* column = new QVBoxLayout(list.frame);
        for (int i = 0; i < static_cast<int>(list.options.size()); ++i) {
            const ColorCode::BandColour& colour = Colours[i];
            const char* caption =
                list.options.size() == ColorCode::ToleranceCount    ? colour.toleranceCaption
                : list.options.size() == ColorCode::MultiplierCount ? colour.multiplierCaption
                                                                    : colour.digitCaption;
            auto* option = new QRadioButton(QLatin1String(caption), list.frame);
            option->setObjectName(
                QStringLiteral("%1_%2").arg(QLatin1String(list.optionName)).arg(i));
            paintCaption(option, i);
            column->addWidget(option);
            if (list.options.size() == ColorCode::ToleranceCount && !colour.toleranceShown)
                option->hide();
            list.options[i] = option;
        }
        column->addStretch();
        list.options[list.chosen]->setChecked(true);
        // Connected after the load selection, so the value text keeps its design caption until
        // the user picks a colour.
        for (int i = 0; i < static_cast<int>(list.options.size()); ++i)
            connect(list.options[i], &QRadioButton::toggled, this,
                    [this, click = list.click, i](bool on) {
                        if (on)
                            (this->*click)(i);
                    });
        frames->addWidget(list.frame, 0, Qt::AlignTop);
    }
    frames->addStretch();

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* drawingFrame = new QHBoxLayout(Frame1);
    drawingFrame->addWidget(buildDrawing());
    drawingFrame->addStretch();

    Label1 = new QLabel(QStringLiteral("Resistor Value"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    lblOhms = new QLabel(QStringLiteral("1 ohm, 1%"), this);
    lblOhms->setObjectName(QStringLiteral("lblOhms"));
    lblOhms->setAutoFillBackground(true);
    QPalette palette = lblOhms->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    lblOhms->setPalette(palette);
    setBoldFont(lblOhms, 1.2);
    lblOhms->setMinimumWidth(200);
    lblOhms->setMargin(4);
    lblOhms->setTextInteractionFlags(Qt::TextSelectableByMouse);
    makeAnswerCopy(this, {{Label1, lblOhms}}); // read as "Resistor Value", then the value
    auto* value = new QHBoxLayout;
    value->addWidget(Label1);
    value->addWidget(lblOhms);
    value->addStretch();

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label10);
    page->addLayout(frames);
    page->addWidget(Frame1);
    page->addLayout(value);
    page->addStretch();
}

QWidget* frmResistorColors::buildDrawing() {
    auto* drawing = new DrawingView(QStringLiteral(":/drawings/resistor-colour-bands.svg"), Frame1);
    drawing->setObjectName(QStringLiteral("picResistor"));
    const std::array<QLabel**, 4> bands{&lblA, &lblB, &lblC, &lblD};
    const std::array<int, 4> designColours{0, 1, 0, 1}; // black, brown, black, brown
    for (int i = 0; i < 4; ++i) {
        const QString letter(QChar(u'A' + i));
        const BandPlace& place = bandPlaces[i];
        QLabel*& band = *bands[i];
        band = new QLabel(drawing);
        band->setObjectName(QStringLiteral("lbl") + letter);
        band->setAutoFillBackground(true);
        band->setGeometry(place.x, bandTop, place.width, bandHeight);
        paintBand(band, designColours[i]);
        auto* caption = new QLabel(letter, drawing);
        caption->setObjectName(QStringLiteral("Label%1").arg(6 + i));
        caption->setAlignment(Qt::AlignCenter);
        QFont font = caption->font();
        font.setItalic(true);
        caption->setFont(font);
        caption->setGeometry(place.x - 8, letterTop, place.width + 16, 24);
    }
    return drawing;
}

void frmResistorColors::optA_Click(int index) {
    strDigitA = QLatin1String(Colours.at(index).digitA);
    paintBand(lblA, index);
    CalculateOhms();
}

void frmResistorColors::optB_Click(int index) {
    strDigitB = QLatin1String(Colours.at(index).digitB);
    paintBand(lblB, index);
    CalculateOhms();
}

void frmResistorColors::optC_Click(int index) {
    strMultiplier = QLatin1String(Colours.at(index).multiplier);
    paintBand(lblC, index);
    CalculateOhms();
}

void frmResistorColors::optD_Click(int index) {
    lblD->show();
    const ColorCode::BandColour& colour = Colours.at(index);
    if (index == ColorCode::NoColour) {
        strTolerance = QLatin1String(colour.tolerance);
        lblD->hide();
    } else if (colour.tolerance) {
        strTolerance = QLatin1String(colour.tolerance);
        paintBand(lblD, index);
    }
    CalculateOhms();
}

void frmResistorColors::CalculateOhms() {
    lblOhms->setText(ColorCode::CalculateOhms(strDigitA, strDigitB, strMultiplier, strTolerance));
}
