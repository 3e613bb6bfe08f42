#include <gtest/gtest.h>

#include <QStringList>

#include "geometry/CircleFigures.h"
#include "geometry/RegularPolygon.h"
#include "geometry/Sphere.h"

namespace {

using namespace CircleFigures;

template <std::size_t N>
QStringList shown(const Answers<N>& a, const std::array<QStringView, N>& masks) {
    EXPECT_TRUE(a.ok());
    return answerTexts(a, masks);
}

TEST(CircleFigures, AnswersAsTheLabelsShowThem) {
    const std::tuple<const char*, QStringList, QStringList> cases[] = {
        {"circle, radius 1",
         shown(circle(CircleGiven::Radius, 1), circleMasks),
         {"1.00", "2.00", "6.28", "3.14"}},
        {"circle, diameter 2",
         shown(circle(CircleGiven::Diameter, 2), circleMasks),
         {"1.00", "2.00", "6.28", "3.14"}},
        {"circle, circumference",
         shown(circle(CircleGiven::Circumference, 31.4159), circleMasks),
         {"5.00", "10.00", "31.42", "78.54"}},
        {"circle, area pi",
         shown(circle(CircleGiven::Area, 3.14159265358979), circleMasks),
         {"1.00", "2.00", "6.28", "3.14"}},
        {"circle, nothing given",
         shown(circle(CircleGiven::Area, 0), circleMasks),
         {".00", ".00", ".0", ".0"}},
        // The arc under "Arc Length AC" and the area under "Area ABCA".
        {"sector 10, 60", shown(sector(10, 60), sectorMasks), {"10.00", "60.00", "10.47", "52.36"}},
        {"sector 2, 90", shown(sector(2, 90), sectorMasks), {"2.00", "90.00", "3.14", "3.14"}},
        {"segment 10, 90", shown(segment(10, 90), segmentMasks), {"10.00", "90.00", "28.5"}},
        {"segment 10, 120 (folded sine)",
         shown(segment(10, 120), segmentMasks),
         {"10.00", "120.00", "61.38"}},
        {"hollow 2, 1, 60",
         shown(hollowSector(2, 1, 60), hollowSectorMasks),
         {"2.00", "1.00", "60.0", "1.57"}},
        {"hollow, inner larger",
         shown(hollowSector(1, 2, 60), hollowSectorMasks),
         {"1.00", "2.00", "60.0", "-1.57"}},
        {"ellipse 2, 1", shown(ellipse(2, 1), ellipseMasks), {"2.00", "1.00", "6.28", "9.69"}},
        {"sphere, radius 1",
         shown(Sphere::solve(Sphere::Given::Radius, 1), Sphere::masks),
         {"1.00", "2.00", "6.28", "12.57", "4.19"}},
        {"sphere, volume 1",
         shown(Sphere::solve(Sphere::Given::Volume, 1), Sphere::masks),
         {".62", "1.241", "3.9", "4.84", "1.0"}},
        {"sphere, surface",
         shown(Sphere::solve(Sphere::Given::SurfaceArea, 12.5664), Sphere::masks),
         {"1.00", "2.00", "6.28", "12.57", "4.19"}},
        {"sphere, circumference",
         shown(Sphere::solve(Sphere::Given::Circumference, 6.28318), Sphere::masks),
         {"1.00", "2.00", "6.28", "12.57", "4.19"}},
        {"sphere, nothing given",
         shown(Sphere::solve(Sphere::Given::Volume, 0), Sphere::masks),
         {".00", ".00", ".0", ".0", ".0"}},
    };
    for (const auto& [what, actual, expected] : cases)
        EXPECT_EQ(actual, expected) << what;
}

TEST(CircleFigures, PolygonAreasForSideTwo) {
    const Answers<RegularPolygon::RowCount> a = RegularPolygon::areas(2);
    ASSERT_TRUE(a.ok());
    QStringList texts;
    for (double v : a.values)
        texts << formatMask(v, RegularPolygon::AreaMask);
    EXPECT_EQ(texts, (QStringList{"1.732", "4.00", "6.882", "10.392", "14.536", "19.314", "24.727",
                                  "30.777", "37.462", "44.784"}));
    for (int i = 0; i < RegularPolygon::RowCount; ++i)
        EXPECT_EQ(RegularPolygon::rows[i].sides, i + 3);
}

// Values no figure has: refused as faults, never passed on as inf or nan.
TEST(CircleFigures, ImpossibleValuesAreFaults) {
    const std::tuple<const char*, ArithmeticFault, ArithmeticFault> cases[] = {
        {"circle of negative area", circle(CircleGiven::Area, -1).fault, ArithmeticFault::NotReal},
        {"circle too large", circle(CircleGiven::Radius, 1e200).fault, ArithmeticFault::Overflow},
        {"sphere of negative surface", Sphere::solve(Sphere::Given::SurfaceArea, -4).fault,
         ArithmeticFault::NotReal},
        {"sphere of negative volume", Sphere::solve(Sphere::Given::Volume, -1).fault,
         ArithmeticFault::NotReal},
        {"ellipse with one negative axis", ellipse(-2, 1).fault, ArithmeticFault::NotReal},
        {"polygon too large", RegularPolygon::areas(1e200).fault, ArithmeticFault::Overflow},
    };
    for (const auto& [what, actual, expected] : cases)
        EXPECT_EQ(actual, expected) << what;
}

} // namespace
