#pragma once

#include "geometry/FigureAnswers.h"

// The plane figures of the figure window. Lengths are in the user's unit, angles in degrees;
// each function returns the answer rows its figure writes, given values echoed in their rows.
// The circle constant is 3.14 throughout, as in the printed formulas these sheets follow.
namespace PlaneFigures {

// Rows: a, b, Area, Perimeter, Diagonal.
FigureAnswers rectangleFromSides(double a, double b);
FigureAnswers rectangleFromSideAAndArea(double a, double area);
FigureAnswers rectangleFromSideBAndArea(double b, double area);

// Rows: a, b, Theta, Area, Perimeter (b is the slanted side, Theta its angle to the base a).
FigureAnswers parallelogramFromSides(double a, double b, double thetaDegrees);
// Rows: a, h, Area.
FigureAnswers parallelogramFromHeight(double a, double h);

// Rows: a, b, h, Area (a and b the parallel sides).
FigureAnswers trapezoid(double a, double b, double h);

// Rows: d1, d2, Theta, Area (diagonals d1 and d2 crossing at Theta).
FigureAnswers quadrilateral(double d1, double d2, double thetaDegrees);

// Rows: r1, r2, Area (inner and outer radius; r1 > r2 gives a negative area).
FigureAnswers annulusFromRadii(double r1, double r2);
// Rows: f, d, Area (inner and outer diameter).
FigureAnswers annulusFromDiameters(double f, double d);

// Rows 1 Perimeter and 2 Area of the four-sided figure on a base cut into e, g and f, its upper
// corners at heights h (between e and g) and k (between g and f).
FigureAnswers trapezium(double h, double k, double e, double g, double f);

// Rows: a, h, Area; a and Area are kept to two decimals, as the sheet has always shown them.
FigureAnswers equilateralTriangle(double a);

} // namespace PlaneFigures
