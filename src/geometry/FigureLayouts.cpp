#include "geometry/FigureLayouts.h"

#include <algorithm>

namespace FigureLayouts {

namespace {

constexpr Shown Y = Shown::Yes;
constexpr Shown N = Shown::No;
constexpr RowLook hidden{nullptr, N};
constexpr RowLook keep{};

constexpr RowLook shown(const char* caption) {
    return {caption, Y};
}

// Captions only: the row keeps its visibility.
constexpr RowLook text(const char* caption) {
    return {caption, Shown::Keep};
}

// Indexed by Figure; captions exactly as the sheet has always shown them, trailing blanks included.
constexpr std::array<FigureLayout, FigureCount> layouts{{
    {"Rectangle Calculations",
     {{{"picSquare", ":/drawings/figure-rectangle.svg"}}},
     {"a/b", "a/Area", "b/Area"},
     {}},
    {"Parallelogram Calculations",
     {{{"picParallel", ":/drawings/figure-parallelogram.svg"}}},
     {"a/b/Theta", "a/h", nullptr},
     {{text("a = "), text("b = "), shown("Theta = "), keep, keep},
      {text("a"), text("b"), text("Theta"), text("Area"), text("Perimeter")}}},
    {"Trapezoid Calculations",
     {{{"picTrapezoid", ":/drawings/figure-trapezoid.svg"}}},
     {"a/b/h", nullptr, nullptr},
     {{text("a = "), text("b = "), shown("h = "), keep, keep},
      {text("a"), text("b"), text("h"), text("Area"), hidden}}},
    {"Quadrilateral Calculations",
     {{{"picQuad", ":/drawings/figure-quadrilateral.svg"}}},
     {"d1/d2/Theta", nullptr, nullptr},
     {{text("d1 = "), text("d2 = "), shown("Theta = "), keep, keep},
      {text("d1"), text("d2"), text("Theta"), text("Area"), hidden}}},
    {"Annulus Calculations",
     {{{"picAnnulus", ":/drawings/figure-annulus.svg"}}},
     {"r1/r2", "f/d", nullptr},
     {{text("r1 = "), text("r2 = "), hidden, keep, keep},
      {text("r1"), text("r2"), text("Area"), hidden, hidden}}},
    {"Trapezium Calculations",
     {{{"picTrapezium", ":/drawings/figure-trapezium.svg"}}},
     {"h/k/e/g/f", nullptr, nullptr},
     {{shown("h = "), shown("k = "), shown("e = "), shown("g = "), shown("f = ")},
      {hidden, text("Perimeter"), text("Area"), hidden, hidden}}},
    {"Equilateral Triangle Calculations",
     {{{"picEqTriangle", ":/drawings/figure-equilateral-triangle.svg"}}},
     {"a", nullptr, nullptr},
     {{text("a = "), hidden, hidden, keep, keep},
      {text("a"), text("h"), text("Area"), hidden, hidden}}},
    {"Cube/Parallelopiped Calculations",
     {{{"picCube", ":/drawings/figure-cube.svg"}}},
     {"Cube", "Parallelopiped", nullptr},
     {{text("a ="), {"b =", N}, {"c =", N}, keep, keep},
      {text("a"), text("Volume"), text("Surface Area"), hidden, hidden}}},
    {"Right Prism Calculations",
     {{{"picPrism", ":/drawings/figure-prism.svg"}}},
     {"a/c/h", nullptr, nullptr},
     {{text("a ="), text("c ="), shown("h ="), hidden, keep},
      {text("Volume"), text("Surface Area"), hidden, hidden, hidden}}},
    {"Right Cylinder Calculations",
     {{{"picRightCyl", ":/drawings/figure-cylinder.svg"},
       {"picFrustum", ":/drawings/figure-cylinder-frustum.svg"}}},
     {"Right Cylinder", "Frustum of Right Cylinder", nullptr},
     {{text("r ="), text("h ="), hidden, hidden, keep},
      {text("r"), text("h"), text("Volume"), text("Surface Area"), hidden}}},
    {"Right Cone Calculations",
     {{{"picRightCone", ":/drawings/figure-cone.svg"}}},
     {"r/h", nullptr, nullptr},
     {{text("r ="), text("h ="), hidden, hidden, keep},
      {text("r"), text("h"), text("k"), text("Volume"), text("Surface Area")}}},
    {"Right Pyramid Calculations",
     {{{"picPyramid", ":/drawings/figure-pyramid.svg"}}},
     {"A/h/k", nullptr, nullptr},
     {{text("A(Area of base) ="), text("P (Perimeter of base) ="), shown("h ="), shown("k ="),
       keep},
      {text("Volume"), text("Surface Area"), hidden, hidden, hidden}}},
    {"Circular Ring Calculations",
     {{{"picCircularRing", ":/drawings/figure-circular-ring.svg"}}},
     {"r/R", nullptr, nullptr},
     {{text("r ="), text("R ="), hidden, hidden, keep},
      {text("r"), text("R"), text("Volume"), text("Surface Area"), hidden}}},
}};

using enum Figure;

constexpr std::array optionRelabels{
    OptionRelabel{Rectangle, 0, {{text("a = "), text("b ="), keep, keep, keep}, {}}},
    OptionRelabel{Rectangle, 1, {{text("a = "), text("Area ="), keep, keep, keep}, {}}},
    OptionRelabel{Rectangle, 2, {{text("b = "), text("Area ="), keep, keep, keep}, {}}},
    OptionRelabel{Parallelogram,
                  0,
                  {{text("a = "), text("b = "), shown("Theta = "), keep, keep},
                   {text("a"), text("b"), text("Theta"), shown("Area"), shown("Perimeter")}}},
    OptionRelabel{Parallelogram,
                  1,
                  {{text("a = "), text("h = "), hidden, keep, keep},
                   {text("a"), text("h"), text("Area"), hidden, hidden}}},
    OptionRelabel{Annulus,
                  0,
                  {{text("r1 = "), text("r2 = "), keep, keep, keep},
                   {text("r1"), text("r2"), text("Area"), keep, keep}}},
    OptionRelabel{Annulus,
                  1,
                  {{text("f = "), text("d = "), keep, keep, keep},
                   {text("f"), text("d"), text("Area"), keep, keep}}},
    OptionRelabel{Cube,
                  0,
                  {{keep, hidden, hidden, keep, keep},
                   {text("a"), text("Volume"), text("Surface Area"), hidden, hidden}}},
    OptionRelabel{Cube,
                  1,
                  {{keep, shown("b ="), shown("c ="), keep, keep},
                   {text("a"), text("b"), text("c"), shown("Volume"), shown("Surface Area")}}},
    OptionRelabel{RightCylinder,
                  0,
                  {{keep, keep, hidden, keep, keep},
                   {keep, keep, text("Volume"), text("Surface Area"), hidden},
                   0}},
    OptionRelabel{RightCylinder,
                  1,
                  {{keep, keep, shown("k ="), keep, keep},
                   {keep, keep, text("k"), text("Volume"), shown("Surface Area")},
                   1}},
};

} // namespace

const FigureLayout& layout(Figure figure) {
    return layouts.at(static_cast<std::size_t>(figure));
}

const Relabel* optionRelabel(Figure figure, int index) {
    const auto found =
        std::find_if(optionRelabels.begin(), optionRelabels.end(), [&](const OptionRelabel& r) {
            return r.figure == figure && r.index == index;
        });
    return found == optionRelabels.end() ? nullptr : &found->change;
}

std::span<const FigureLayout> allLayouts() {
    return layouts;
}

} // namespace FigureLayouts
