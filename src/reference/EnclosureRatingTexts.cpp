#include "reference/EnclosureRatingTexts.h"

#include "common/GlobalSubs.h"

namespace EnclosureRatingTexts {
namespace {

const Sheet nema{
    FormKind::EnclosureNema,
    "frmEnclosureNema",
    "NEMA (National Electrical Manufacturers Association)",
    {"Enclosures are intended for indoor use primarily to provide a degree of protection against "
     "contact with the enclosed equipment or locations where unusual service conditions do not "
     "exist.",
     "Enclosures are intended for indoor use primarily to provide a degree of protection against "
     "limited amounts of falling water and dirt.",
     "Enclosures are intended for outdoor use primarily to provide a degree of protection against "
     "windblown dust, rain, and sleet; undamaged by the formation of ice on the enclosure.",
     "Enclosures are intended for outdoor use primarily to provide a degree of protection against "
     "falling rain and sleet; undamaged by the formation of ice on the enclosure.",
     "Enclosures are intended for indoor or outdoor use primarily to provide a degree of "
     "protection against windblown dust and rain, splashing water, and hose directed water; "
     "undamaged by the formation of ice on the enclosure.",
     "Enclosures are intended for indoor or outdoor use primarily to provide a degree of "
     "protection against corrosion, windblown dust and rain, splashing water, and hose-directed "
     "water; undamaged by the formation of ice on the enclosure.",
     "Enclosures are intended for use indoors or outdoors where occasional submersion is "
     "encountered., limited depth; undamaged by the formation of ice on the enclosure.",
     "Enclosures are intended for indoor use primarily to provide a degree of protection against "
     "dust, falling dirt, and dripping noncorrosive liquids.",
     "Enclosures are intended for indoor use primarily to provide a degree of protection against "
     "dust, spraying of water, oil, and noncorrosive coolant."}};

const Sheet ul{
    FormKind::EnclosureUL,
    "frmEnclosureUL",
    "UL (Underwriters Laboratories Inc.)",
    {"Indoor use primarily to provide protection against contact with the enclosed equipment and "
     "against a limited amount of falling dirt.",
     "Indoor use to provide a degree of protection against limited amounts of falling water and "
     "dirt.",
     "Outdoor use to provide a degree of protection against windblown dust and windblown rain; "
     "undamaged by the formation of ice on the enclosure.",
     "Outdoor use to provide a degree of protection against falling rain; undamaged by the "
     "formation of ice on the enclosure.",
     "Either indoor or outdoor use to provide a degree of protection against falling rain, "
     "splashing water, and hose-directed water, undamaged by the formation of ice on the "
     "enclosure.",
     "Either indoor or outdoor use to provide a degree of protection against falling rain, "
     "splashing water, and hose-directed water; undamaged by the formation of ice on the "
     "enclosure; resists corrosion.",
     "Indoor and outdoor use to provide a degree of protection against entry of water during "
     "temporary submersion at a limited depth; undamaged by the external of ice on the enclosure.",
     "Indoor use to provide a degree of protection against dust, dirt, fiber flyings, dripping "
     "water, and external condensation of noncorrosive liquids.",
     "Indoor use to provide a degree of protection against lint, dust seepage, external "
     "condensation and spraying of water, oil, and noncorrosive liquids."}};

const Sheet csa{
    FormKind::EnclosureCSA,
    "frmEnclosureCSA",
    "CSA (Canadian Standards Association)",
    {"General purpose enclosure.  Protects against accidental contact with live parts.",
     "Indoor use to provide a degree of protection against dripping and light splashing of "
     "noncorrosive liquids and falling dirt.",
     "Indoor or outdoor use; provides a degree of protection against rain, snow, and windblown "
     "dust; undamaged by the external formation of ice on the enclosure.",
     "Indoor or outdoor use; provides a degree of protection against rain and snow; undamaged by "
     "the external formation of ice on the enclosure.",
     "Indoor or outdoor use; provides a degree of protection against rain, snow, windblown dust, "
     "splashing and hose-directed water; undamaged by the external formation of ice on the "
     "enclosure.",
     "Indoor or outdoor use; provides a degree of protection against rain, snow, windblown dust, "
     "splashing and hose directed water; undamaged by the external formation of ice on the "
     "enclosure; resists corrosion.",
     "Indoor or outdoor use; provides a degree of protection against the entry of water during "
     "temporary submersion at a limited depth. Undamaged by the external formation of ice on the "
     "enclosure; resists corrosion.",
     "Indoor use; provides a degree of protection against circulating dust, lint, fibers and "
     "fllyings; dripping and light splashing of non-corrosive liquids; not provided with "
     "knockouts.",
     "Indoor use; provides a degree of protection against circulating dust, lint, fibers, and "
     "flyings; seepage and spraying on non-corrosive liquids, including oils and coolants."}};

} // namespace

const Sheet& sheet(Body body) {
    switch (body) {
    case Body::UL:
        return ul;
    case Body::CSA:
        return csa;
    case Body::Nema:
        break;
    }
    return nema;
}

} // namespace EnclosureRatingTexts
