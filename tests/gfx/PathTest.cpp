// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "gfx/Gdiplus.h"

using namespace Gdiplus;

namespace {

// An edge from a to b with a rounded tab that bulges to the right of the direction of travel
// by `height` times the edge's length (negative: to the left), made of a start point and eight
// cubic segments. Travelling clockwise round a piece, right is inwards: a socket.
// Points are rounded to whole pixels, like the game's edges.
std::vector<Point> TabEdge(Point a, Point b, double height) {
    // (u along the edge, v across it) in thousandths of the edge length.
    static const double shape[25][2] = {{0, 0},      {160, 35},   {290, 30},   {320, 28},   {350, 25},
                                        {385, 10},   {388, -20},  {392, -60},  {372, -75},  {368, -120},
                                        {360, -190}, {420, -250}, {500, -250}, {580, -250}, {640, -190},
                                        {632, -120}, {628, -75},  {608, -60},  {612, -20},  {615, 10},
                                        {650, 25},   {680, 28},   {710, 30},   {840, 35},   {1000, 0}};
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    std::vector<Point> out;
    for (const auto& p : shape) {
        const double u = p[0] / 1000.0, v = p[1] / 250.0 * height;
        out.emplace_back(int(std::floor(a.X + u * dx + v * dy + 0.5)), int(std::floor(a.Y + u * dy - v * dx + 0.5)));
    }
    out.front() = a;
    out.back() = b;
    return out;
}

std::vector<Point> Reversed(std::vector<Point> points) { return {points.rbegin(), points.rend()}; }

// A closed figure made of edges that each run from the previous edge's end.
std::unique_ptr<GraphicsPath> Outline(const std::vector<std::vector<Point>>& edges) {
    auto path = std::make_unique<GraphicsPath>(FillModeAlternate);
    for (const auto& edge : edges) {
        if (edge.size() == 2)
            path->AddLine(edge[0], edge[1]);
        else
            path->AddBeziers(edge.data(), int(edge.size()));
    }
    path->CloseFigure();
    return path;
}

uint8_t Alpha(Bitmap& bitmap, int x, int y) {
    return bitmap.PixelData()[size_t(y) * size_t(bitmap.Stride()) + size_t(x) * 4 + 3];
}

// A 3 x 2 grid of pieces whose inner edges carry tabs of both orientations on a picture of
// w x h; each inner edge is traced forwards by one piece and backwards by its neighbour.
std::vector<std::unique_ptr<GraphicsPath>> GridPieces(int w, int h, double tab) {
    const int cols = 3, rows = 2;
    auto vx = [&](int c, int r) { return Point(c * (w - 1) / cols, r * (h - 1) / rows); };
    // Inner horizontal edges (between rows) and vertical edges (between columns), left to right
    // and top to bottom, with alternating tab directions.
    auto horizontal = [&](int c, int r) {   // along grid line r, from column c to c + 1
        if (r == 0 || r == rows)
            return std::vector<Point>{vx(c, r), vx(c + 1, r)};
        return TabEdge(vx(c, r), vx(c + 1, r), (c + r) % 2 ? tab : -tab);
    };
    auto vertical = [&](int c, int r) {   // along grid line c, from row r to r + 1
        if (c == 0 || c == cols)
            return std::vector<Point>{vx(c, r), vx(c, r + 1)};
        return TabEdge(vx(c, r), vx(c, r + 1), (c + r) % 2 ? -tab : tab);
    };
    std::vector<std::unique_ptr<GraphicsPath>> pieces;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            pieces.push_back(Outline(
                {horizontal(c, r), vertical(c + 1, r), Reversed(horizontal(c, r + 1)), Reversed(vertical(c, r))}));
    return pieces;
}

}   // namespace

TEST(GraphicsPath, FillWithoutSmoothingLeavesOnlyOpaqueOrTransparentPixels) {
    Bitmap bitmap(120, 120);
    Graphics g(&bitmap);
    g.SetSmoothingMode(SmoothingModeHighSpeed);
    SolidBrush brush(Color(0xFF336699));
    auto piece = Outline(
        {TabEdge({10, 30}, {90, 30}, -0.25), {{90, 30}, {90, 100}}, {{90, 100}, {10, 100}}, {{10, 100}, {10, 30}}});
    g.FillPath(&brush, piece.get());
    g.Flush();
    int opaque = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x) {
            const uint8_t a = Alpha(bitmap, x, y);
            ASSERT_TRUE(a == 0 || a == 255) << "alpha " << int(a) << " at " << x << "," << y;
            opaque += a == 255;
        }
    EXPECT_GT(opaque, 80 * 70);   // the body and the tab above it
}

TEST(GraphicsPath, NeighboursSharingReversedEdgesTileThePictureWithoutHoles) {
    struct Case {
        int w, h;
        double tab;
    };
    for (const Case c :
         {Case{300, 200, 0.25}, Case{301, 157, -0.25}, Case{157, 97, 0.2}, Case{765, 765, 0.25}, Case{59, 43, -0.25}}) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        auto pieces = GridPieces(c.w, c.h, c.tab);
        std::vector<int> count(size_t(c.w) * size_t(c.h));
        for (const auto& piece : pieces) {
            Bitmap bitmap(c.w, c.h);
            Graphics g(&bitmap);
            g.SetSmoothingMode(SmoothingModeHighSpeed);
            SolidBrush brush(Color(0xFFFFFFFF));
            g.FillPath(&brush, piece.get());
            g.Flush();
            for (int y = 0; y < c.h; ++y)
                for (int x = 0; x < c.w; ++x)
                    count[size_t(y) * size_t(c.w) + size_t(x)] += Alpha(bitmap, x, y) == 255;
        }
        // The outer border runs through the last row and column of pixels, which therefore
        // belong to no piece, exactly as the game's grid clamps its last vertices.
        int holes = 0, doubles = 0;
        for (int y = 0; y < c.h - 1; ++y)
            for (int x = 0; x < c.w - 1; ++x) {
                holes += count[size_t(y) * size_t(c.w) + size_t(x)] == 0;
                doubles += count[size_t(y) * size_t(c.w) + size_t(x)] > 1;
            }
        EXPECT_EQ(holes, 0);
        EXPECT_LE(doubles, c.w * c.h / 1000);
    }
}

TEST(GraphicsPath, PointInsideTestAgreesWithThePaintedPixelsAndBoundsHoldThem) {
    for (const auto& piece : GridPieces(400, 300, 0.25)) {
        Rect bounds;
        ASSERT_EQ(piece->GetBounds(&bounds), Ok);
        Bitmap bitmap(400, 300);
        Graphics g(&bitmap);
        g.SetSmoothingMode(SmoothingModeHighSpeed);
        SolidBrush brush(Color(0xFF000000));
        g.FillPath(&brush, piece.get());
        g.Flush();
        int minX = 400, minY = 300, maxX = -1, maxY = -1, mismatches = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x) {
                const bool painted = Alpha(bitmap, x, y) == 255;
                mismatches += painted != piece->IsVisible(x, y);
                if (painted)
                    minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y),
                    maxY = std::max(maxY, y);
            }
        EXPECT_EQ(mismatches, 0);
        ASSERT_GE(maxX, 0);
        // Every painted pixel lies inside the bounds, and the bounds are at most one pixel wider.
        EXPECT_LE(bounds.X, minX);
        EXPECT_LE(bounds.Y, minY);
        EXPECT_GE(bounds.GetRight(), maxX + 1);
        EXPECT_GE(bounds.GetBottom(), maxY + 1);
        EXPECT_GE(bounds.X, minX - 1);
        EXPECT_GE(bounds.Y, minY - 1);
        EXPECT_LE(bounds.GetRight(), maxX + 2);
        EXPECT_LE(bounds.GetBottom(), maxY + 2);
    }
}

TEST(GraphicsPath, BoundsFollowTheCurveNotItsControlPoints) {
    // The control points reach y = -40, the curve itself only -30 (3/4 of the way).
    GraphicsPath path;
    path.AddBezier(Point(0, 0), Point(0, -40), Point(100, -40), Point(100, 0));
    path.CloseFigure();
    Rect bounds;
    path.GetBounds(&bounds);
    EXPECT_EQ(bounds, Rect(0, -30, 100, 30));

    GraphicsPath empty;
    empty.GetBounds(&bounds);
    EXPECT_EQ(bounds, Rect(0, 0, 0, 0));
    EXPECT_FALSE(empty.IsVisible(0, 0));
}

TEST(GraphicsPath, AlternateFillLeavesTheInnerFigureEmptyAndChangesRebuildTheTest) {
    GraphicsPath path;
    path.AddRectangle(Rect(0, 0, 10, 10));
    path.AddRectangle(Rect(3, 3, 4, 4));
    EXPECT_TRUE(path.IsVisible(1, 1));
    EXPECT_FALSE(path.IsVisible(5, 5));
    EXPECT_FALSE(path.IsVisible(10, 5));   // right and bottom edges are exclusive
    path.SetFillMode(FillModeWinding);
    EXPECT_TRUE(path.IsVisible(5, 5));

    Matrix shift;
    shift.Translate(100, 0);
    path.Transform(&shift);
    EXPECT_FALSE(path.IsVisible(1, 1));
    EXPECT_TRUE(path.IsVisible(101, 1));
    path.Reset();
    EXPECT_FALSE(path.IsVisible(101, 1));
    EXPECT_EQ(path.GetPointCount(), 0);
}

TEST(GraphicsPath, SegmentsContinueTheOpenFigureAndRejectBadCounts) {
    GraphicsPath path;
    const Point bezier[4] = {{10, 0}, {20, 0}, {30, 0}, {40, 0}};
    path.AddLine(0, 0, 10, 0);
    path.AddBeziers(bezier, 4);    // starts where the line ended: no extra point
    path.AddLine(50, 0, 50, 10);   // starts elsewhere: joined by a line
    EXPECT_EQ(path.GetPointCount(), 2 + 3 + 2);
    EXPECT_EQ(path.Types()[0], GraphicsPath::TypeStart);
    EXPECT_EQ(path.Types()[5], GraphicsPath::TypeLine);
    path.StartFigure();
    path.AddLine(0, 20, 10, 20);
    EXPECT_EQ(path.Types()[7], GraphicsPath::TypeStart);

    EXPECT_EQ(path.AddBeziers(bezier, 3), InvalidParameter);
    EXPECT_EQ(path.GetLastStatus(), InvalidParameter);
    EXPECT_EQ(path.GetLastStatus(), Ok);
}
