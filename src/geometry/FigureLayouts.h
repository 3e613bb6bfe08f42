#pragma once

#include <array>
#include <span>

#include "geometry/FigureRules.h"

// The figure window's thirteen layouts as data: what the set-up of each figure shows and how
// each option button relabels the rows. The window walks these tables; it has no figure of its own.
namespace FigureLayouts {

inline constexpr int OptionCount = 3;

enum class Shown : quint8 { Keep, Yes, No };

// One row of captions; a null caption leaves the caption as it is.
struct RowLook {
    const char* caption = nullptr;
    Shown shown = Shown::Keep;
};
using RowLooks = std::array<RowLook, FigureRows>;

struct FigureDrawing {
    const char* name;     // the picture's control name, e.g. "picSquare"
    const char* resource; // the SVG in the resources
};

// A change of the rows of given values and of results, and of the drawing shown.
struct Relabel {
    RowLooks given{};
    RowLooks results{};
    int drawing = -1; // index into the figure's drawings; -1 keeps the one shown
};

struct FigureLayout {
    const char* title;
    std::array<FigureDrawing, 2> drawings;        // the second only where an option swaps it in
    std::array<const char*, OptionCount> options; // a null caption hides the button
    Relabel setUp;
};

// What a click on option `index` of `figure` changes besides clearing.
struct OptionRelabel {
    Figure figure;
    int index;
    Relabel change;
};

// The window as designed, before a figure's set-up.
inline constexpr const char* FormCaption = "Square Calculations";
inline constexpr const char* DesignTitle = "Rectangle Calculations";
inline constexpr std::array<const char*, OptionCount> DesignOptions{"a/b", "a/Area", "b/Area"};
inline constexpr std::array<const char*, FigureRows> DesignGivenCaptions{
    "a=", "b =", "b =", "f =", "g ="};
inline constexpr std::array<bool, FigureRows> DesignGivenShown{true, true, false, false, false};
inline constexpr std::array<const char*, FigureRows> DesignResultCaptions{"a", "b", "Area",
                                                                          "Perimeter", "Diagonal"};

const FigureLayout& layout(Figure figure);

// The relabelling of option `index` of `figure`, or null where a click only clears.
const Relabel* optionRelabel(Figure figure, int index);

// Every drawing of every figure, for checks that walk them all.
std::span<const FigureLayout> allLayouts();

} // namespace FigureLayouts
