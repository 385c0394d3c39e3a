// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "geometry/ClassicCut.h"
#include "geometry/EdgeShapeClassic.h"
#include "geometry/EdgeShapeLine.h"
#include "geometry/Piece.h"
#include "geometry/PieceOutline.h"
#include "geometry/TestPicture.h"
#include "gfx/GraphicsPath.h"

namespace {

struct CutSize {
    int width, height, count, columns, rows;
};

// One row, one column, 2 x 2, landscape and portrait, the largest setting, uneven cells.
const CutSize kSizes[] = {
    {700, 40, 7, 7, 1},  {40, 700, 7, 1, 7},     {200, 200, 2, 2, 2}, {280, 200, 7, 7, 5},
    {200, 280, 7, 5, 7}, {765, 765, 25, 25, 25}, {333, 251, 9, 9, 7},
};

GridVertex At(int32_t x, int32_t y) {
    GridVertex v;
    v.x = x;
    v.y = y;
    return v;
}

std::vector<Gdiplus::PointF> EdgePoints(const Piece& piece, int k) {
    Gdiplus::GraphicsPath path;
    piece.edges[k]->AddToPath(path, piece.vertices[k], piece.vertices[(k + 1) % 4]);
    return path.Points();
}

// A 100 x 100 cell at (100, 100) with the given top edge and straight other sides.
std::unique_ptr<Piece> CellWithTop(PictureOwner& owner, EdgeShape* top) {
    EdgeShape* line = EdgeShapeLine::Shared();
    return std::make_unique<Piece>(&owner,
                                   std::array<GridVertex, 4>{At(100, 100), At(200, 100), At(200, 200), At(100, 200)},
                                   std::array<EdgeShape*, 4>{top, line, line, line});
}

}   // namespace

TEST(Piece, ImagesCoverThePictureOnceAndOnlyInsideTheirOutlines) {
    for (const CutSize& size : kSizes) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        TestPicture picture(size.width, size.height);
        ClassicCut cut(&picture);
        cut.longSideCount = size.count;
        std::vector<std::unique_ptr<Piece>> pieces;
        cut.BuildPieces(pieces);
        ASSERT_EQ(cut.columns, size.columns);
        ASSERT_EQ(cut.rows, size.rows);
        ASSERT_EQ(pieces.size(), size_t(size.columns * size.rows));

        std::vector<int> cover(size_t(size.width) * size.height);
        for (const std::unique_ptr<Piece>& piece : pieces) {
            const Gdiplus::Rect& b = piece->bounds;
            ASSERT_GE(b.X, 0);
            ASSERT_GE(b.Y, 0);
            ASSERT_LE(b.GetRight(), size.width);
            ASSERT_LE(b.GetBottom(), size.height);
            ASSERT_EQ(int(piece->image->GetWidth()), b.Width);
            ASSERT_EQ(int(piece->image->GetHeight()), b.Height);
            for (int y = 0; y < b.Height; ++y)
                for (int x = 0; x < b.Width; ++x) {
                    const uint32_t pixel = PixelAt(*piece->image, x, y);
                    const bool inside = piece->outline->IsVisible(x + b.X, y + b.Y);
                    // Hard edges: every pixel is the picture's own or fully transparent.
                    ASSERT_EQ(pixel, inside ? TestPicture::Colour(x + b.X, y + b.Y) : 0u)
                        << "piece pixel (" << x << ", " << y << ")";
                    if (inside)
                        ++cover[size_t(y + b.Y) * size.width + x + b.X];
                }
        }
        int doubles = 0;
        for (int count : cover) {
            ASSERT_GE(count, 1);
            doubles += count > 1;
        }
        EXPECT_LE(doubles, int(cover.size()) / 1000);
    }
}

TEST(Piece, NeighboursShareTheirEdgeCurve) {
    for (const CutSize& size : kSizes) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        TestPicture picture(size.width, size.height);
        ClassicCut cut(&picture);
        cut.longSideCount = size.count;
        std::vector<std::unique_ptr<Piece>> pieces;
        cut.BuildPieces(pieces);
        for (int r = 0; r < cut.rows; ++r)
            for (int c = 0; c < cut.columns; ++c) {
                const Piece& piece = *pieces[r * cut.columns + c];
                if (c + 1 < cut.columns) {   // right edge against the right neighbour's left edge
                    auto theirs = EdgePoints(*pieces[r * cut.columns + c + 1], 3);
                    std::reverse(theirs.begin(), theirs.end());
                    EXPECT_EQ(EdgePoints(piece, 1), theirs);
                }
                if (r + 1 < cut.rows) {   // bottom edge against the lower neighbour's top edge
                    auto theirs = EdgePoints(*pieces[(r + 1) * cut.columns + c], 0);
                    std::reverse(theirs.begin(), theirs.end());
                    EXPECT_EQ(EdgePoints(piece, 2), theirs);
                }
            }
    }
}

TEST(Piece, CornerPiecesStartAtThePictureOriginWithStraightSides) {
    TestPicture picture(280, 200);
    ClassicCut cut(&picture);
    std::vector<std::unique_ptr<Piece>> pieces;
    cut.BuildPieces(pieces);
    const Piece& topLeft = *pieces.front();
    EXPECT_EQ(topLeft.bounds.X, 0);
    EXPECT_EQ(topLeft.bounds.Y, 0);
    EXPECT_EQ(topLeft.edges[0], EdgeShapeLine::Shared());
    EXPECT_EQ(topLeft.edges[3], EdgeShapeLine::Shared());
    EXPECT_EQ(PixelAt(*topLeft.image, 0, 0), TestPicture::Colour(0, 0));
    const Piece& bottomRight = *pieces.back();
    EXPECT_EQ(bottomRight.bounds.GetRight(), 280);
    EXPECT_EQ(bottomRight.bounds.GetBottom(), 200);
    EXPECT_EQ(bottomRight.edges[1], EdgeShapeLine::Shared());
    EXPECT_EQ(bottomRight.edges[2], EdgeShapeLine::Shared());
}

TEST(Piece, TopTabLiftsTheBoundsByAQuarterOfTheEdge) {
    TestPicture picture(300, 300);
    std::unique_ptr<Piece> piece = CellWithTop(picture, EdgeShapeClassic::TabUp());
    EXPECT_EQ(piece->bounds, Gdiplus::Rect(100, 75, 100, 125));
    // Above the vertices only the tab is opaque.
    EXPECT_EQ(PixelAt(*piece->image, 2, 2), 0u);
    EXPECT_EQ(PixelAt(*piece->image, 97, 20), 0u);
    EXPECT_EQ(PixelAt(*piece->image, 50, 2), TestPicture::Colour(150, 77));
}

TEST(Piece, HitTestExcludesSocketsAndTheFarEdgesOfTheBounds) {
    TestPicture picture(300, 300);
    std::unique_ptr<Piece> piece = CellWithTop(picture, EdgeShapeClassic::TabDown());
    // The socket's shoulders bow slightly outwards, above the top vertices.
    EXPECT_EQ(piece->bounds, Gdiplus::Rect(100, 96, 100, 104));
    struct Case {
        int x, y;
        bool hit;
    };
    const Case cases[] = {
        {150, 110, false},   // in the socket the neighbour's tab fills
        {110, 110, true},  {150, 150, true},  {100, 100, true}, {199, 150, true},
        {200, 150, false}, {150, 200, false}, {99, 150, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PieceHitTest(piece->bounds, piece->outline, c.x, c.y), c.hit) << "(" << c.x << ", " << c.y << ")";
}

TEST(Piece, MissingOutlineFailsThroughItsHolder) {
    CPtr<Gdiplus::GraphicsPath> none;
    try {
        PieceHitTest(Gdiplus::Rect(0, 0, 10, 10), none, 5, 5);
        FAIL() << "no exception";
    } catch (const ApplicationException& e) {
        EXPECT_EQ(e.LocationText(), "CPtr<class Gdiplus::GraphicsPath>::operator -> (114)");
    }
}

TEST(Piece, SubPixelCellsBuildWithoutFailing) {
    TestPicture picture(10, 10);
    ClassicCut cut(&picture);
    cut.longSideCount = 25;
    std::vector<std::unique_ptr<Piece>> pieces;
    cut.BuildPieces(pieces);
    EXPECT_EQ(pieces.size(), 625u);
    for (const std::unique_ptr<Piece>& piece : pieces) {
        EXPECT_GE(piece->bounds.Width, 0);
        EXPECT_LE(piece->bounds.GetRight(), 10);
    }
}
