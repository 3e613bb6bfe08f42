#include <gtest/gtest.h>

#include <QSvgRenderer>

namespace {

TEST(GeometryDrawings, LoadAtTheirDesignSizes) {
    const std::tuple<const char*, QSize> drawings[] = {
        {":/drawings/circle-plain.svg", {264, 211}},
        {":/drawings/circle-sector.svg", {264, 211}},
        {":/drawings/circle-segment.svg", {264, 211}},
        {":/drawings/circle-hollow-sector.svg", {264, 211}},
        {":/drawings/circle-ellipse.svg", {264, 211}},
        {":/drawings/sphere.svg", {264, 211}},
        {":/drawings/polygon-octagon.svg", {264, 211}},
        {":/drawings/right-triangle.svg", {385, 267}},
    };
    for (const auto& [resource, size] : drawings) {
        QSvgRenderer renderer{QString::fromLatin1(resource)};
        EXPECT_TRUE(renderer.isValid()) << resource;
        EXPECT_EQ(renderer.defaultSize(), size) << resource;
        EXPECT_EQ(renderer.viewBox(), QRect(QPoint(0, 0), size)) << resource;
    }
}

} // namespace
