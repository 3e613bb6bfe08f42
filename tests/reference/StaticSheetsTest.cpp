#include <gtest/gtest.h>

#include <QLabel>
#include <memory>
#include <tuple>

#include "common/GlobalSubs.h"
#include "reference/frmEnclosureIP.h"
#include "reference/frmEnclosureRating.h"
#include "reference/frmWireClass.h"

namespace {

// Transcribed from the published sheet texts, misspellings and doubled blanks kept.
const std::
    tuple<const char*, int, const char*, const char*>
        ratingRows
            [] =
                {
                    {"frmEnclosureNema", 0, R"(Type 1)",
                     R"(Enclosures are intended for indoor use primarily to provide a degree of protection against contact with the enclosed equipment or locations where unusual service conditions do not exist.)"},
                    {"frmEnclosureNema", 1, R"(Type 2)",
                     R"(Enclosures are intended for indoor use primarily to provide a degree of protection against limited amounts of falling water and dirt.)"},
                    {"frmEnclosureNema", 2, R"(Type 3)",
                     R"(Enclosures are intended for outdoor use primarily to provide a degree of protection against windblown dust, rain, and sleet; undamaged by the formation of ice on the enclosure.)"},
                    {"frmEnclosureNema", 3, R"(Type 3R)",
                     R"(Enclosures are intended for outdoor use primarily to provide a degree of protection against falling rain and sleet; undamaged by the formation of ice on the enclosure.)"},
                    {"frmEnclosureNema", 4, R"(Type 4)",
                     R"(Enclosures are intended for indoor or outdoor use primarily to provide a degree of protection against windblown dust and rain, splashing water, and hose directed water; undamaged by the formation of ice on the enclosure.)"},
                    {"frmEnclosureNema", 5, R"(Type 4X)",
                     R"(Enclosures are intended for indoor or outdoor use primarily to provide a degree of protection against corrosion, windblown dust and rain, splashing water, and hose-directed water; undamaged by the formation of ice on the enclosure.)"},
                    {"frmEnclosureNema", 6, R"(Type 6)",
                     R"(Enclosures are intended for use indoors or outdoors where occasional submersion is encountered., limited depth; undamaged by the formation of ice on the enclosure.)"},
                    {"frmEnclosureNema", 7, R"(Type 12)",
                     R"(Enclosures are intended for indoor use primarily to provide a degree of protection against dust, falling dirt, and dripping noncorrosive liquids.)"},
                    {"frmEnclosureNema", 8, R"(Type 13)",
                     R"(Enclosures are intended for indoor use primarily to provide a degree of protection against dust, spraying of water, oil, and noncorrosive coolant.)"},
                    {"frmEnclosureUL", 0, R"(Type 1)",
                     R"(Indoor use primarily to provide protection against contact with the enclosed equipment and against a limited amount of falling dirt.)"},
                    {"frmEnclosureUL", 1, R"(Type 2)",
                     R"(Indoor use to provide a degree of protection against limited amounts of falling water and dirt.)"},
                    {"frmEnclosureUL", 2, R"(Type 3)",
                     R"(Outdoor use to provide a degree of protection against windblown dust and windblown rain; undamaged by the formation of ice on the enclosure.)"},
                    {"frmEnclosureUL", 3, R"(Type 3R)",
                     R"(Outdoor use to provide a degree of protection against falling rain; undamaged by the formation of ice on the enclosure.)"},
                    {"frmEnclosureUL", 4, R"(Type 4)",
                     R"(Either indoor or outdoor use to provide a degree of protection against falling rain, splashing water, and hose-directed water, undamaged by the formation of ice on the enclosure.)"},
                    {"frmEnclosureUL", 5, R"(Type 4X)",
                     R"(Either indoor or outdoor use to provide a degree of protection against falling rain, splashing water, and hose-directed water; undamaged by the formation of ice on the enclosure; resists corrosion.)"},
                    {"frmEnclosureUL", 6, R"(Type 6)",
                     R"(Indoor and outdoor use to provide a degree of protection against entry of water during temporary submersion at a limited depth; undamaged by the external of ice on the enclosure.)"},
                    {"frmEnclosureUL", 7, R"(Type 12)",
                     R"(Indoor use to provide a degree of protection against dust, dirt, fiber flyings, dripping water, and external condensation of noncorrosive liquids.)"},
                    {"frmEnclosureUL", 8, R"(Type 13)",
                     R"(Indoor use to provide a degree of protection against lint, dust seepage, external condensation and spraying of water, oil, and noncorrosive liquids.)"},
                    {"frmEnclosureCSA", 0, R"(Type 1)",
                     R"(General purpose enclosure.  Protects against accidental contact with live parts.)"},
                    {"frmEnclosureCSA", 1, R"(Type 2)",
                     R"(Indoor use to provide a degree of protection against dripping and light splashing of noncorrosive liquids and falling dirt.)"},
                    {"frmEnclosureCSA", 2, R"(Type 3)",
                     R"(Indoor or outdoor use; provides a degree of protection against rain, snow, and windblown dust; undamaged by the external formation of ice on the enclosure.)"},
                    {"frmEnclosureCSA", 3, R"(Type 3R)",
                     R"(Indoor or outdoor use; provides a degree of protection against rain and snow; undamaged by the external formation of ice on the enclosure.)"},
                    {"frmEnclosureCSA", 4, R"(Type 4)",
                     R"(Indoor or outdoor use; provides a degree of protection against rain, snow, windblown dust, splashing and hose-directed water; undamaged by the external formation of ice on the enclosure.)"},
                    {"frmEnclosureCSA", 5, R"(Type 4X)",
                     R"(Indoor or outdoor use; provides a degree of protection against rain, snow, windblown dust, splashing and hose directed water; undamaged by the external formation of ice on the enclosure; resists corrosion.)"},
                    {"frmEnclosureCSA", 6, R"(Type 6)",
                     R"(Indoor or outdoor use; provides a degree of protection against the entry of water during temporary submersion at a limited depth. Undamaged by the external formation of ice on the enclosure; resists corrosion.)"},
                    {"frmEnclosureCSA", 7, R"(Type 12)",
                     R"(Indoor use; provides a degree of protection against circulating dust, lint, fibers and fllyings; dripping and light splashing of non-corrosive liquids; not provided with knockouts.)"},
                    {"frmEnclosureCSA", 8, R"(Type 13)",
                     R"(Indoor use; provides a degree of protection against circulating dust, lint, fibers, and flyings; seepage and spraying on non-corrosive liquids, including oils and coolants.)"},
};

// Numerals 0 to 5 of each column; the two numeral-6 rows are worded from the IP code.
const std::tuple<int, const char*, const char*> ipRows[] = {
    {0, R"(No Protection)", R"(No Protection)"},
    {1, R"(Protected against solid objects up to 50mm, e.g. accidental touch by hands)",
     R"(Protected against vertically falling drops of water, e.g. condensation)"},
    {2, R"(Protected against solid objects up to 12mm, e.g. fingers)",
     R"(Protected against direct sprays of water up to 15 degrees from vertical)"},
    {3, R"(Protected against solid objects over 2.5mm, e.g. tools and wires)",
     R"(Protected against sprays to 60 degrees from vertical)"},
    {4, R"(Protected against solid objects over 1 mm)",
     R"(Protected against water sprayed from all directions (limited ingress permitted))"},
    {5, R"(Protected against dust (limited ingress, no harmful deposit))",
     R"(Protected against low pressure jets of water from all directions (limited ingress permitted))"},
    {7, nullptr, R"(Protected against the effects of immersion between 15 cm and 1 m)"},
    {8, nullptr, R"(Protected against long periods of immersion under pressure)"},
};

const std::pair<const char*, const char*> wireRows[] = {
    {R"("T...")",
     R"(Very common, dry only, full current load temperature must be less than 60 C (140 F).)"},
    {R"("F")",
     R"(Fixture wire. CF has cotton insulation (90 C). AF has asbestos insulation (150 C), SF has silicone insulation.)"},
    {R"("R...")", R"(Rubber (natural, neoprene, etc.) covered.)"},
    {R"("S...")",
     R"(Appliance cord, stranded conductors, cotton layer between wire and insulation, jute fillers, rubber outer jacket.  S is extra hard service, SJ lighter service, SV light service.)"},
    {R"("SP...")", R"(Lamp cord, rubber insulation.)"},
    {R"("SPT...")", R"(Lamp cord, plastic insulation.)"},
    {R"("X...")",
     R"(Insulatin is a cross linked synthetic polymer.  Very tough and heat and moisture resistant.)"},
    {R"("FEP...")",
     R"(Fluorinated ethylene propylene insulation.  Rated over 90 C (194 F).  Dry Only)"},
    {R"("...B")", R"(Suffix indicating an outer braid is used, such as glass.)"},
    {R"("...H")",
     R"(Sufix indicating higher loaded current temperatures may be used, up to 75 C (167 F))"},
    {R"("...HH")",
     R"(Suffix indicating much higher loaded current temperatures may be used, up to 90 C (194 F).)"},
    {R"("...L")", R"(Suffix indicating a seamless lead jacket.)"},
    {R"("...N")",
     R"(Suffix indicating the jacket is extruded nylon or themoplastic polyester and is very resistant to gas and oil and is very tough.)"},
    {R"("...O")", R"(Suffix indicating neoprene jacket.)"},
    {R"("...W")", R"(Suffix indicating WET use type.)"},
};

QString text(QWidget& sheet, const QString& name) {
    auto* label = sheet.findChild<QLabel*>(name);
    EXPECT_NE(label, nullptr) << name.toStdString();
    return label ? label->text() : QString();
}

struct RatingSheet {
    const char* form;
    QWidget* (*make)();
    qint16 kind;
    const char* title;
};
const RatingSheet ratingSheets[] = {
    {"frmEnclosureNema", makeEnclosureNema, FormKind::EnclosureNema,
     "NEMA (National Electrical Manufacturers Association)"},
    {"frmEnclosureUL", makeEnclosureUL, FormKind::EnclosureUL,
     "UL (Underwriters Laboratories Inc.)"},
    {"frmEnclosureCSA", makeEnclosureCSA, FormKind::EnclosureCSA,
     "CSA (Canadian Standards Association)"},
};

TEST(EnclosureRatingSheets, EveryRowShowsItsPublishedText) {
    for (const RatingSheet& s : ratingSheets) {
        std::unique_ptr<QWidget> sheet(s.make());
        EXPECT_EQ(GlobalSubs::CurrentFormKind, s.kind) << s.form;
        EXPECT_EQ(sheet->objectName(), s.form);
        EXPECT_EQ(text(*sheet, "Label21"), s.title);
        EXPECT_EQ(text(*sheet, "Label1"), "Enclosure Rating");
        EXPECT_EQ(text(*sheet, "Label3"), "");
        int rows = 0;
        for (const auto& [form, row, rating, description] : ratingRows) {
            if (QLatin1String(form) != QLatin1String(s.form))
                continue;
            ++rows;
            const int ratingLabel = row == 0 ? 2 : row + 3;
            EXPECT_EQ(text(*sheet, QStringLiteral("Label%1").arg(ratingLabel)), rating);
            EXPECT_EQ(text(*sheet, QStringLiteral("Label%1").arg(row + 12)), description)
                << form << " row " << row;
        }
        EXPECT_EQ(rows, 9);
    }
}

TEST(EnclosureIPSheet, BothNumeralColumnsShowTheirTests) {
    frmEnclosureIP sheet;
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::EnclosureIP);
    EXPECT_EQ(text(sheet, "lblTitle"), "International Standards IP Protection Classification");
    EXPECT_EQ(text(sheet, "lblFirstHeading"), "First Numeral");
    EXPECT_EQ(text(sheet, "lblSecondHeading"), "Second Numeral");
    for (const auto& [numeral, first, second] : ipRows) {
        if (first) {
            EXPECT_EQ(text(sheet, QStringLiteral("lblFirstText_%1").arg(numeral)), first);
        }
        EXPECT_EQ(text(sheet, QStringLiteral("lblSecondText_%1").arg(numeral)), second);
        EXPECT_EQ(text(sheet, QStringLiteral("lblSecondNumeral_%1").arg(numeral)),
                  QString::number(numeral));
    }
    // The first column ends at 6; numeral 6 is its own test in both columns, not numeral 5's.
    EXPECT_EQ(sheet.findChild<QLabel*>("lblFirstText_7"), nullptr);
    EXPECT_TRUE(text(sheet, "lblFirstText_6").contains("Dust tight"));
    EXPECT_TRUE(text(sheet, "lblSecondText_6").contains("powerful jets"));
}

TEST(WireClassSheet, CodesInQuotesWithTheirDescriptionsAndTheNote) {
    frmWireClass sheet;
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::WireClass);
    EXPECT_EQ(text(sheet, "Label21"), "Wire Classes & Insulation");
    int row = 0;
    for (const auto& [code, description] : wireRows) {
        EXPECT_EQ(text(sheet, QStringLiteral("lblClass_%1").arg(row)), code);
        EXPECT_EQ(text(sheet, QStringLiteral("lblDescription_%1").arg(row)), description);
        ++row;
    }
    EXPECT_EQ(sheet.findChild<QLabel*>(QStringLiteral("lblClass_%1").arg(row)), nullptr);
    EXPECT_EQ(text(sheet, "Label32"),
              R"(Examples of some of the more common wire types are "T", "TW", "THWN", "THHN", )"
              R"("XHHW", "RHH" and "RHW".)");
}

} // namespace
