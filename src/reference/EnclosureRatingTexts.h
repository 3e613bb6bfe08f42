#pragma once

#include <QtGlobal>
#include <array>

// The texts of the three enclosure-rating sheets that share one layout (NEMA, UL, CSA): the
// same nine ratings, each body's own title and descriptions, kept exactly as published on the
// sheets.
namespace EnclosureRatingTexts {

inline constexpr int Rows = 9;
inline constexpr std::array<const char*, Rows> ratings{
    "Type 1", "Type 2", "Type 3", "Type 3R", "Type 4", "Type 4X", "Type 6", "Type 12", "Type 13"};
inline constexpr const char* ratingHeader = "Enclosure Rating";

struct Sheet {
    qint16 kind;
    const char* formName;
    const char* title;
    std::array<const char*, Rows> descriptions;
};

enum class Body { Nema, UL, CSA };

const Sheet& sheet(Body body);

} // namespace EnclosureRatingTexts
