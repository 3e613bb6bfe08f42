#include "ComputeLayers.h"

#include <array>
#include <cmath>

#include "electrical/LineCurrent.h"
#include "electrical/MotorEfficiency.h"
#include "electrical/OhmsLawAC.h"
#include "electrical/OhmsLawDC.h"
#include "electrical/PowerFromCurrent.h"
#include "electrical/ResistorConversions.h"
#include "electrical/SeriesParallel.h"
#include "geometry/CircleFigures.h"
#include "geometry/FigureRules.h"
#include "geometry/RegularPolygon.h"
#include "geometry/RightTriangle.h"
#include "geometry/Sphere.h"

namespace {

// Figure answers and the Answers<N> of the circle, sphere, polygon and triangle sheets, as the
// flat list of Calculated the fuzzer checks (a faulted set reports its fault on every value).
void append(const FigureAnswers& answers, std::vector<Calculated>& out) {
    for (const auto& answer : answers)
        if (answer)
            out.push_back(*answer);
}

template <std::size_t N> void append(const Answers<N>& answers, std::vector<Calculated>& out) {
    for (double value : answers.values)
        out.push_back({value, answers.fault});
}

// Choices that pair a formula with the supply system: even choices single-phase, odd three-phase.
bool threePhase(int choice) {
    return choice % 2 == 1;
}

constexpr std::array layers{
    ComputeLayer{"OhmsLawDC", OhmsLawDC::FormulaCount, 2,
                 [](int formula, std::span<const double> x, std::vector<Calculated>& out) {
                     out.push_back(OhmsLawDC::evaluate(formula, x[0], x[1]));
                 }},
    ComputeLayer{"OhmsLawAC", OhmsLawAC::FormulaCount, 3,
                 [](int formula, std::span<const double> x, std::vector<Calculated>& out) {
                     if (OhmsLawAC::usesAngle(formula) && OhmsLawAC::isRefusedAngle(x[2]))
                         return;
                     out.push_back(
                         OhmsLawAC::evaluate(formula, x[0], x[1], OhmsLawAC::powerFactor(x[2])));
                 }},
    ComputeLayer{"LineCurrent", 6, 4,
                 [](int choice, std::span<const double> x, std::vector<Calculated>& out) {
                     const bool three = threePhase(choice);
                     switch (choice / 2) {
                     case 0:
                         out.push_back(LineCurrent::fromKVA(x[0], x[1], three));
                         break;
                     case 1:
                         out.push_back(LineCurrent::fromKW(x[0], x[1], x[2], three));
                         break;
                     default:
                         out.push_back(LineCurrent::fromHP(x[0], x[1], x[2], x[3], three));
                     }
                 }},
    ComputeLayer{"PowerFromCurrent", 4, 3,
                 [](int choice, std::span<const double> x, std::vector<Calculated>& out) {
                     const bool three = threePhase(choice);
                     out.push_back(choice / 2 == 0 ? PowerFromCurrent::kva(x[0], x[1], three)
                                                   : PowerFromCurrent::kw(x[0], x[1], x[2], three));
                 }},
    ComputeLayer{"MotorEfficiency", 4, 4,
                 [](int choice, std::span<const double> x, std::vector<Calculated>& out) {
                     const bool three = threePhase(choice);
                     out.push_back(choice / 2 == 0
                                       ? MotorEfficiency::efficiency(x[0], x[1], x[2], x[3], three)
                                       : MotorEfficiency::powerFactor(x[0], x[1], x[2], three));
                 }},
    ComputeLayer{"ResistorConversions", 2, 3,
                 [](int choice, std::span<const double> x, std::vector<Calculated>& out) {
                     const auto triple = choice == 0
                                             ? ResistorConversions::deltaToWye(x[0], x[1], x[2])
                                             : ResistorConversions::wyeToDelta(x[0], x[1], x[2]);
                     out.insert(out.end(), triple.begin(), triple.end());
                 }},
    ComputeLayer{"SeriesParallel", 2, SeriesParallel::EntryCount,
                 [](int rule, std::span<const double> x, std::vector<Calculated>& out) {
                     // The sheets never pass NaN (their strict reading refuses it), so here it
                     // stands for an empty box.
                     std::array<SeriesParallel::Entry, SeriesParallel::EntryCount> entries;
                     for (std::size_t i = 0; i < entries.size(); ++i)
                         if (!std::isnan(x[i]))
                             entries[i] = x[i];
                     out.push_back(rule == 0 ? SeriesParallel::directSum(entries, u'R').total
                                             : SeriesParallel::reciprocalSum(entries, u'R').total);
                 }},
    ComputeLayer{"CircleFigures", 8, 3,
                 [](int choice, std::span<const double> x, std::vector<Calculated>& out) {
                     using namespace CircleFigures;
                     switch (choice) {
                     case 4:
                         append(sector(x[0], x[1]), out);
                         break;
                     case 5:
                         append(segment(x[0], x[1]), out);
                         break;
                     case 6:
                         append(hollowSector(x[0], x[1], x[2]), out);
                         break;
                     case 7:
                         append(ellipse(x[0], x[1]), out);
                         break;
                     default:
                         append(circle(static_cast<CircleGiven>(choice), x[0]), out);
                     }
                 }},
    ComputeLayer{"Sphere", 5, 1,
                 [](int given, std::span<const double> x, std::vector<Calculated>& out) {
                     append(Sphere::solve(static_cast<Sphere::Given>(given), x[0]), out);
                 }},
    ComputeLayer{"RegularPolygon", 1, 1,
                 [](int, std::span<const double> x, std::vector<Calculated>& out) {
                     append(RegularPolygon::areas(x[0]), out);
                 }},
    ComputeLayer{"RightTriangle", 1, RightTriangle::QuantityCount,
                 [](int, std::span<const double> x, std::vector<Calculated>& out) {
                     RightTriangle::Values values{};
                     std::copy(x.begin(), x.end(), values.begin());
                     append(RightTriangle::solve(values), out);
                 }},
    ComputeLayer{"Figures", FigureCount * 3, FigureRows,
                 [](int choice, std::span<const double> x, std::vector<Calculated>& out) {
                     FigureInputs in{};
                     std::copy(x.begin(), x.end(), in.begin());
                     append(computeFigure(static_cast<Figure>(choice / 3), choice % 3, in), out);
                 }},
};

} // namespace

std::span<const ComputeLayer> computeLayers() {
    return layers;
}
