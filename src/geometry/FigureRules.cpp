#include "geometry/FigureRules.h"

#include <initializer_list>

#include "geometry/PlaneFigures.h"
#include "geometry/SolidFigures.h"

namespace {

constexpr FieldSet fields(std::initializer_list<int> indexes) {
    FieldSet set = 0;
    for (int i : indexes)
        set = static_cast<FieldSet>(set | (1u << i));
    return set;
}

struct FieldUse {
    FieldSet tested; // the fields whose emptiness decides whether to compute
    FieldSet needed; // the fields the combination converts
};

constexpr FieldUse same(FieldSet set) {
    return {set, set};
}

FieldUse fieldUse(Figure figure, int given) {
    const FieldSet first = fields({0});
    const FieldSet two = fields({0, 1});
    const FieldSet three = fields({0, 1, 2});
    switch (figure) {
    case Figure::Rectangle:
    case Figure::RightCone:
    case Figure::CircularRing:
        return same(two);
    case Figure::Parallelogram:
        return {three, given == 1 ? two : three};
    case Figure::Annulus:
        return {three, two};
    case Figure::Trapezoid:
    case Figure::Quadrilateral:
    case Figure::Prism:
        return same(three);
    case Figure::Trapezium:
        return same(fields({0, 1, 2, 3, 4}));
    case Figure::EqTriangle:
        return same(first);
    case Figure::Cube:
        return same(given == 1 ? three : first);
    case Figure::RightCylinder:
        return same(given == 1 ? three : two);
    case Figure::RightPyramid:
        // k is read for the surface area but its emptiness does not stop the calculation.
        return {three, fields({0, 1, 2, 3})};
    }
    return {};
}

} // namespace

std::optional<Figure> figureFromSelect(qint16 select) {
    if (select < 0 || select >= FigureCount)
        return std::nullopt;
    return static_cast<Figure>(select);
}

FigurePlan planFigure(Figure figure, int given, const std::array<bool, FigureRows>& filled) {
    const FieldUse use = fieldUse(figure, given);
    int tested = 0;
    int testedFilled = 0;
    for (int i = 0; i < FigureRows; ++i) {
        if (use.tested & (1u << i)) {
            ++tested;
            testedFilled += filled[i];
        }
    }
    if (figure == Figure::Rectangle && testedFilled == 0)
        return {true, 0, FieldSet{}}; // a = b = Area = 0, whatever the combination
    const bool go = isSolid(figure) ? testedFilled == tested : testedFilled > 0;
    if (!go)
        return {};
    return {true, given, use.needed};
}

FigureAnswers computeFigure(Figure figure, int given, const FigureInputs& in) {
    using namespace PlaneFigures;
    using namespace SolidFigures;
    switch (figure) {
    case Figure::Rectangle:
        if (given == 1)
            return rectangleFromSideAAndArea(in[0], in[1]);
        if (given == 2)
            return rectangleFromSideBAndArea(in[0], in[1]);
        return rectangleFromSides(in[0], in[1]);
    case Figure::Parallelogram:
        return given == 1 ? parallelogramFromHeight(in[0], in[1])
                          : parallelogramFromSides(in[0], in[1], in[2]);
    case Figure::Trapezoid:
        return trapezoid(in[0], in[1], in[2]);
    case Figure::Quadrilateral:
        return quadrilateral(in[0], in[1], in[2]);
    case Figure::Annulus:
        return given == 1 ? annulusFromDiameters(in[0], in[1]) : annulusFromRadii(in[0], in[1]);
    case Figure::Trapezium:
        return trapezium(in[0], in[1], in[2], in[3], in[4]);
    case Figure::EqTriangle:
        return equilateralTriangle(in[0]);
    case Figure::Cube:
        return given == 1 ? parallelepiped(in[0], in[1], in[2]) : cube(in[0]);
    case Figure::Prism:
        return rightPrism(in[0], in[1], in[2]);
    case Figure::RightCylinder:
        return given == 1 ? cylinderFrustum(in[0], in[1], in[2]) : rightCylinder(in[0], in[1]);
    case Figure::RightCone:
        return rightCone(in[0], in[1]);
    case Figure::RightPyramid:
        return rightPyramid(in[0], in[1], in[2], in[3]);
    case Figure::CircularRing:
        return circularRing(in[0], in[1]);
    }
    return {};
}
