#pragma once

#include <QtGlobal>

#include "geometry/FigureAnswers.h"

// The thirteen figures of the figure window, in the order of the selector `FigureSelect`.
enum class Figure : qint16 {
    Rectangle,
    Parallelogram,
    Trapezoid,
    Quadrilateral,
    Annulus,
    Trapezium,
    EqTriangle,
    Cube,
    Prism,
    RightCylinder,
    RightCone,
    RightPyramid,
    CircularRing,
};
inline constexpr int FigureCount = 13;

// The figure a selector value names, or nothing for a value outside 0 to 12.
std::optional<Figure> figureFromSelect(qint16 select);

// Cube onwards: solids wait for every tested field, plane figures go with any one.
constexpr bool isSolid(Figure figure) {
    return figure >= Figure::Cube;
}

// Given fields as a set of bits, bit i for field i.
using FieldSet = quint8;

// What one press of CALCULATE does with the fields as they are filled.
struct FigurePlan {
    bool compute = false;    // false: every answer shows "0"
    int given = 0;           // the combination to compute with
    FieldSet fieldsToRead{}; // the fields to convert; the others count as 0
};

// Decides from which fields hold text (`filled[i]`) for the chosen combination `given`.
FigurePlan planFigure(Figure figure, int given, const std::array<bool, FigureRows>& filled);

// The answers of `figure` for the combination `given` from the converted fields.
FigureAnswers computeFigure(Figure figure, int given, const FigureInputs& in);
