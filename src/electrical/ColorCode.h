#pragma once

#include <QString>
#include <array>

// The four-band resistor colour code. Every option list of the colour-code sheet is indexed by
// colour, so one row per colour holds all that the colour means in each band.
namespace ColorCode {

struct Rgb {
    int red, green, blue;
};

struct BandColour {
    Rgb rgb;
    const char* digitCaption;      // caption in the digit lists, nullptr when not offered
    const char* multiplierCaption; // caption in the multiplier list, nullptr when not offered
    const char* toleranceCaption;  // caption in the tolerance list (hidden ones included)
    bool toleranceShown;           // whether the tolerance option is visible
    const char* digitA;            // first-band digit text
    const char* digitB;            // second-band digit text
    const char* multiplier;        // multiplier code, see CalculateOhms
    const char* tolerance;         // tolerance suffix, nullptr when the colour sets none
};

inline constexpr int DigitCount = 10;
inline constexpr int MultiplierCount = 12;
inline constexpr int ToleranceCount = 13;
inline constexpr int NoColour = 12; // the tolerance option that hides the fourth band

inline constexpr std::array<BandColour, ToleranceCount> Colours{{
    {{0, 0, 0}, "Black (0)", "Black (1)", "Black", false, "", "0", "", nullptr},
    {{128, 128, 0}, "Brown (1)", "Brown (10)", "Brown (1%)", true, "1", "1", "0", ", 1%"},
    {{255, 0, 0}, "Red (2)", "Red (100)", "Red (2%)", true, "2", "2", ".K", ", 2%"},
    {{255, 128, 0}, "Orange (3)", "Orange (1K)", "Orange (3%)", true, "3", "3", "K", ", 3%"},
    {{255, 255, 0}, "Yellow (4)", "Yellow (10K)", "Yellow (4%)", true, "4", "4", "0K", ", 4%"},
    {{0, 255, 0}, "Green (5)", "Green (100K)", "Green", false, "5", "5", ".M", nullptr},
    {{0, 0, 255}, "Blue (6)", "Blue (1M)", "Blue", false, "6", "6", "M", nullptr},
    {{255, 0, 255}, "Violet (7)", "Violet (10M)", "Violet", false, "7", "7", "0M", nullptr},
    {{128, 128, 128}, "Gray (8)", "Gray (100M)", "Gray", false, "8", "8", ".G", nullptr},
    {{255, 255, 255}, "White (9)", "White (1G)", "White", false, "9", "9", "G", nullptr},
    {{192, 192, 0}, nullptr, "Gold (0.1- EIA)", "Gold (5%)", true, nullptr, nullptr, "0.", ", 5%"},
    {{192, 192, 192},
     nullptr,
     "Silver (0.01-EIA)",
     "Silver (10%)",
     true,
     nullptr,
     nullptr,
     "0.0",
     ", 10%"},
    {{0, 0, 0}, nullptr, nullptr, "No Color (20%)", true, nullptr, nullptr, nullptr, ", 20%"},
}};

// The value text of the four band texts, e.g. "4.7K ohms, 5%": the two digits a and b, the
// multiplier code c and the tolerance suffix d. Codes "", "0", "K", "0K", "M", "0M" and "G"
// append zeros or a prefix; ".K", ".M" and ".G" put a point between the digits; "0." and "0.0"
// are the gold and silver fractions. No number is formed, so nothing is rounded.
QString CalculateOhms(const QString& a, const QString& b, const QString& c, const QString& d);

} // namespace ColorCode
