#include "reference/frmWireClass.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "reference/StaticSheet.h"

namespace {

struct WireClass {
    const char* code; // shown between double quotation marks; dots mark a prefix or a suffix
    const char* description;
};

constexpr std::array<WireClass, 15> classes{{
    {"T...", "Very common, dry only, full current load temperature must be less than 60 C (140 "
             "F)."},
    {"F", "Fixture wire. CF has cotton insulation (90 C). AF has asbestos insulation (150 C), SF "
          "has silicone insulation."},
    {"R...", "Rubber (natural, neoprene, etc.) covered."},
    {"S...", "Appliance cord, stranded conductors, cotton layer between wire and insulation, jute "
             "fillers, rubber outer jacket.  S is extra hard service, SJ lighter service, SV "
             "light service."},
    {"SP...", "Lamp cord, rubber insulation."},
    {"SPT...", "Lamp cord, plastic insulation."},
    {"X...", "Insulatin is a cross linked synthetic polymer.  Very tough and heat and moisture "
             "resistant."},
    {"FEP...", "Fluorinated ethylene propylene insulation.  Rated over 90 C (194 F).  Dry Only"},
    {"...B", "Suffix indicating an outer braid is used, such as glass."},
    {"...H", "Sufix indicating higher loaded current temperatures may be used, up to 75 C (167 "
             "F)"},
    {"...HH", "Suffix indicating much higher loaded current temperatures may be used, up to 90 C "
              "(194 F)."},
    {"...L", "Suffix indicating a seamless lead jacket."},
    {"...N", "Suffix indicating the jacket is extruded nylon or themoplastic polyester and is "
             "very resistant to gas and oil and is very tough."},
    {"...O", "Suffix indicating neoprene jacket."},
    {"...W", "Suffix indicating WET use type."},
}};

constexpr std::array<const char*, 7> commonTypes{"T", "TW", "THWN", "THHN", "XHHW", "RHH", "RHW"};

QString quoted(const char* code) {
    return u'"' + QString::fromLatin1(code) + u'"';
}

// Examples of some of the more common wire types are "T", "TW", ... and "RHW".
QString closingNote() {
    QStringList codes;
    for (const char* code : commonTypes)
        codes << quoted(code);
    const QString last = codes.takeLast();
    return QStringLiteral("Examples of some of the more common wire types are ") +
           codes.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last + u'.';
}

} // namespace

frmWireClass::frmWireClass(QWidget* parent) : QWidget(parent) {
    GlobalSubs::CurrentFormKind = FormKind::WireClass;
    setObjectName(QStringLiteral("frmWireClass"));

    QWidget* page = this; // the shell scrolls a sheet that does not fit its window
    // The design's caption "Wire Classes && Insulation" shows one ampersand.
    QLabel* Label21 = StaticSheet::makeTitle(QStringLiteral("Label21"),
                                             QStringLiteral("Wire Classes & Insulation"), page);

    auto* frame = new QGroupBox(page);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    for (int row = 0; row < static_cast<int>(classes.size()); ++row) {
        QLabel* code = StaticSheet::makeText(QStringLiteral("lblClass_%1").arg(row),
                                             quoted(classes[row].code), frame);
        code->setWordWrap(false);
        setBoldFont(code);
        grid->addWidget(code, row, 0);
        grid->addWidget(StaticSheet::makeText(QStringLiteral("lblDescription_%1").arg(row),
                                              QString::fromLatin1(classes[row].description), frame),
                        row, 1);
    }
    grid->setColumnStretch(1, 1);

    QLabel* Label32 = StaticSheet::makeText(QStringLiteral("Label32"), closingNote(), page);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Label21);
    layout->addWidget(frame);
    layout->addWidget(Label32);
    layout->addStretch();
}
