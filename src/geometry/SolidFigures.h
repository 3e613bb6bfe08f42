#pragma once

#include "geometry/FigureAnswers.h"

// The solids of the figure window. Lengths are in the user's unit, areas in its square and
// volumes in its cube; each function returns the answer rows its figure writes. The circle
// constant is 3.14 (6.28 for twice it), as in the printed formulas these sheets follow.
namespace SolidFigures {

// Rows: a, Volume, Surface Area.
FigureAnswers cube(double a);
// Rows: a, b, c, Volume, Surface Area of the box with edges a, b and c.
FigureAnswers parallelepiped(double a, double b, double c);

// Rows: Volume, Surface Area of the prism of length h on a right triangle with legs a and c.
FigureAnswers rightPrism(double a, double c, double h);

// Rows: r, h, Volume, Surface Area.
FigureAnswers rightCylinder(double r, double h);
// Rows: r, h, k, Volume, Surface Area of the cylinder cut aslant, longest side h, shortest k;
// the surface is the lateral surface, the base and the elliptic cut face together.
FigureAnswers cylinderFrustum(double r, double h, double k);

// Rows: r, h, k (slant height), Volume, Surface Area (base and lateral surface).
FigureAnswers rightCone(double r, double h);

// Rows: Volume, Surface Area (side faces only) of the pyramid on a base of area A and
// perimeter P, height h and face slant height k.
FigureAnswers rightPyramid(double A, double P, double h, double k);

// Rows: r, R, Volume, Surface Area of a ring of round wire: wire radius r, ring radius R.
FigureAnswers circularRing(double r, double R);

} // namespace SolidFigures
