// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry/EdgeShapeClassic.h"
#include "geometry/EdgeShapeLine.h"
#include "geometry/EdgeShapePolyLine.h"
#include "gfx/GraphicsPath.h"
#include "gfx/Matrix.h"

namespace {

GridVertex At(int32_t x, int32_t y) {
    GridVertex v;
    v.x = x;
    v.y = y;
    return v;
}

std::vector<Gdiplus::PointF> EdgePoints(EdgeShape* shape, const GridVertex& from, const GridVertex& to) {
    Gdiplus::GraphicsPath path;
    shape->AddToPath(path, from, to);
    return path.Points();
}

Gdiplus::RectF EdgeExtent(EdgeShape* shape, const GridVertex& from, const GridVertex& to) {
    Gdiplus::GraphicsPath path;
    shape->AddToPath(path, from, to);
    Gdiplus::RectF extent;
    path.GetBounds(&extent);
    return extent;
}

std::vector<EdgeShape*> AllShapes() {
    return {EdgeShapeLine::Shared(),
            EdgeShapeClassic::TabUp(),
            EdgeShapeClassic::TabDown(),
            EdgeShapeClassic::TabUp()->partner,
            EdgeShapeClassic::TabDown()->partner,
            EdgeShapePolyLine::SharedA(),
            EdgeShapePolyLine::SharedB(),
            EdgeShapePolyLine::SharedA()->partner,
            EdgeShapePolyLine::SharedB()->partner};
}

}   // namespace

TEST(EdgeShape, PartnersArePairedAndReversed) {
    EXPECT_EQ(EdgeShapeLine::Shared()->partner, EdgeShapeLine::Shared());
    for (EdgeShape* shape : AllShapes()) {
        ASSERT_NE(shape->partner, nullptr);
        EXPECT_EQ(shape->partner->partner, shape);
        if (shape != EdgeShapeLine::Shared()) {
            EXPECT_NE(shape->reversed, shape->partner->reversed);
        }
    }
    EXPECT_EQ(EdgeTemplateTabDown.size(), 25u);
    for (size_t i = 0; i < EdgeTemplateTabUp.size(); ++i) {
        const Gdiplus::Point& up = EdgeTemplateTabUp[i];
        EXPECT_EQ(EdgeTemplateTabDown[i], Gdiplus::Point(up.X, -up.Y));
    }
}

TEST(EdgeShape, PartnerTracesTheSameCurveBackwardsFromVertexToVertex) {
    const GridVertex segments[][2] = {
        {At(0, 0), At(100, 0)}, {At(100, 0), At(100, 100)}, {At(37, 211), At(112, 211)},
        {At(5, 9), At(64, 51)}, {At(300, 80), At(210, 80)}, {At(7, 7), At(8, 7)},
    };
    for (EdgeShape* shape : AllShapes())
        for (const auto& segment : segments) {
            const GridVertex& a = segment[0];
            const GridVertex& b = segment[1];
            std::vector<Gdiplus::PointF> forward = EdgePoints(shape, a, b);
            std::vector<Gdiplus::PointF> backward = EdgePoints(shape->partner, b, a);
            ASSERT_GE(forward.size(), 2u);
            EXPECT_EQ(forward.front(), Gdiplus::PointF(a.x, a.y));
            EXPECT_EQ(forward.back(), Gdiplus::PointF(b.x, b.y));
            std::reverse(backward.begin(), backward.end());
            EXPECT_EQ(forward, backward) << "from (" << a.x << "," << a.y << ") to (" << b.x << "," << b.y << ")";
        }
}

TEST(EdgeShape, TabHeadIsAQuarterOfTheEdgeOnTheChosenSide) {
    // A top edge travelling right: tab-up rises above the line, tab-down drops below it.
    const Gdiplus::RectF up = EdgeExtent(EdgeShapeClassic::TabUp(), At(0, 0), At(100, 0));
    EXPECT_FLOAT_EQ(up.Y, -25.0f);
    const Gdiplus::RectF down = EdgeExtent(EdgeShapeClassic::TabDown(), At(0, 0), At(100, 0));
    EXPECT_FLOAT_EQ(down.GetBottom(), 25.0f);
    // The head's top point lands on the edge's middle.
    const std::vector<Gdiplus::PointF> points = EdgePoints(EdgeShapeClassic::TabUp(), At(0, 0), At(100, 0));
    ASSERT_EQ(points.size(), 25u);
    EXPECT_EQ(points[12], Gdiplus::PointF(50, -25));
    // A right edge travelling down: tab-up sticks out to the right.
    const Gdiplus::RectF right = EdgeExtent(EdgeShapeClassic::TabUp(), At(100, 0), At(100, 100));
    EXPECT_FLOAT_EQ(right.GetRight(), 125.0f);
}

TEST(EdgeShape, SegmentMatrixMapsTheBaselineOntoTheSegment) {
    struct Case {
        GridVertex start, end;
        int32_t length;
    };
    const Case cases[] = {
        {At(0, 0), At(100, 0), 1000},
        {At(10, 20), At(10, 80), 1000},
        {At(50, 50), At(20, 10), 100},
        {At(-5, 3), At(7, -9), 1000},
    };
    for (const Case& c : cases) {
        Gdiplus::Matrix matrix;
        MapSegmentMatrix(matrix, c.length, c.start, c.end);
        Gdiplus::Point ends[] = {{0, 0}, {c.length, 0}};
        matrix.TransformPoints(ends, 2);
        EXPECT_EQ(ends[0], Gdiplus::Point(c.start.x, c.start.y));
        EXPECT_EQ(ends[1], Gdiplus::Point(c.end.x, c.end.y));
    }
}

TEST(EdgeShape, ZeroLengthEdgeStaysOnItsVertex) {
    Gdiplus::Matrix matrix;
    MapSegmentMatrix(matrix, 1000, At(4, 4), At(4, 4));
    float elements[6];
    matrix.GetElements(elements);
    for (float e : elements)
        EXPECT_TRUE(std::isfinite(e));
    for (EdgeShape* shape : AllShapes())
        for (const Gdiplus::PointF& p : EdgePoints(shape, At(4, 4), At(4, 4)))
            EXPECT_EQ(p, Gdiplus::PointF(4, 4));
}
