// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "geometry/ClassicCut.h"
#include "geometry/EdgeShapeClassic.h"
#include "geometry/EdgeShapeLine.h"
#include "geometry/Piece.h"
#include "geometry/Random.h"
#include "geometry/TestPicture.h"
#include "gfx/Graphics.h"

TEST(Cut, GridSizeAndLabelFollowTheLongerSide) {
    struct Case {
        int width, height, count, columns, rows;
        const char* label;
    };
    const Case cases[] = {
        {700, 700, 7, 7, 7, "49 pieces"},     {400, 300, 7, 7, 5, "35 pieces"},   // 5.25 rounds down
        {400, 300, 2, 2, 2, "4 pieces"},                                          // 1.5 rounds up
        {400, 300, 25, 25, 19, "475 pieces"},                                     // 18.75
        {1000, 50, 7, 7, 1, "7 pieces"},                                          // 0.35 rounds to 0, raised to 1
        {300, 400, 7, 5, 7, "35 pieces"},                                         // portrait: 5.25 columns
        {50, 1000, 25, 1, 25, "25 pieces"},
    };
    for (const Case& c : cases) {
        TestPicture picture(c.width, c.height);
        ClassicCut cut(&picture);
        cut.longSideCount = c.count;
        EXPECT_EQ(cut.GetLabel(), c.label) << c.width << " x " << c.height << " at " << c.count;
        EXPECT_EQ(cut.columns, c.columns);
        EXPECT_EQ(cut.rows, c.rows);
    }
}

TEST(Cut, GridVerticesEndOnTheLastPixelAndMarkTheBorder) {
    TestPicture picture(300, 400);
    ClassicCut cut(&picture);
    cut.BuildGrid();
    ASSERT_EQ(cut.columns, 5);
    ASSERT_EQ(cut.rows, 7);
    ASSERT_EQ(cut.vertices.size(), 6u * 8u);
    // Cells are 60 wide and 57.14 high; the last row and column are clamped to the last pixel.
    const int32_t xs[] = {0, 60, 120, 180, 240, 299};
    const int32_t ys[] = {0, 57, 114, 171, 228, 285, 342, 399};
    for (int32_t i = 0; i <= 7; ++i)
        for (int32_t j = 0; j <= 5; ++j) {
            const GridVertex& v = cut.vertices.at(i * 6 + j);
            EXPECT_EQ(v.id, 6 * i + j);
            EXPECT_EQ(v.x, xs[j]);
            EXPECT_EQ(v.y, ys[i]);
            EXPECT_EQ(v.border, i == 0 || j == 0 || i == 7 || j == 5);
        }
}

TEST(Cut, InnerEdgesFollowTheRandomSequenceAndBorderEdgesAreStraight) {
    TestPicture picture(400, 300);
    ClassicCut cut(&picture);
    Random::Reset();
    // 41 and 6334 lie in the lower half of the range (tab up), 18467 and 26500 in the upper.
    EXPECT_EQ(cut.InnerEdge(), EdgeShapeClassic::TabUp());
    EXPECT_EQ(cut.InnerEdge(), EdgeShapeClassic::TabDown());
    EXPECT_EQ(cut.InnerEdge(), EdgeShapeClassic::TabUp());
    EXPECT_EQ(cut.InnerEdge(), EdgeShapeClassic::TabDown());

    cut.BuildGrid();
    EdgeShape* line = EdgeShapeLine::Shared();
    for (int32_t i = 0; i <= cut.rows; ++i)
        for (int32_t j = 0; j < cut.columns; ++j) {
            EdgeShape* shape = cut.horizontalEdges.at(i * cut.columns + j);
            EXPECT_EQ(shape == line, i == 0 || i == cut.rows) << "row " << i;
        }
    for (int32_t i = 0; i < cut.rows; ++i)
        for (int32_t j = 0; j <= cut.columns; ++j) {
            EdgeShape* shape = cut.verticalEdges.at(i * (cut.columns + 1) + j);
            EXPECT_EQ(shape == line, j == 0 || j == cut.columns) << "column " << j;
        }
}

TEST(Cut, OneRowGetsOnlyStraightHorizontalEdges) {
    TestPicture picture(1000, 50);
    ClassicCut cut(&picture);
    cut.BuildGrid();
    ASSERT_EQ(cut.rows, 1);
    for (EdgeShape* shape : cut.horizontalEdges)
        EXPECT_EQ(shape, EdgeShapeLine::Shared());
    EXPECT_EQ(cut.verticalEdges.size(), 8u);
}

TEST(Cut, SquarCutPiecesArePlainOpaqueRectangles) {
    TestPicture picture(280, 200);
    SquarCut cut(&picture);
    std::vector<std::unique_ptr<Piece>> pieces;
    cut.BuildPieces(pieces);
    ASSERT_EQ(pieces.size(), 35u);
    for (const std::unique_ptr<Piece>& piece : pieces) {
        const GridVertex& topLeft = piece->vertices[0];
        const GridVertex& bottomRight = piece->vertices[2];
        EXPECT_EQ(piece->bounds,
                  Gdiplus::Rect(topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y));
        for (int y = 0; y < piece->bounds.Height; ++y)
            for (int x = 0; x < piece->bounds.Width; ++x)
                ASSERT_EQ(PixelAt(*piece->image, x, y), TestPicture::Colour(x + piece->bounds.X, y + piece->bounds.Y));
    }
    // Pieces come row by row and clear the previous ones.
    EXPECT_EQ(pieces[7]->vertices[0].id, 8);
    cut.BuildPieces(pieces);
    EXPECT_EQ(pieces.size(), 35u);
}

TEST(Cut, PreviewDrawsTheGridLinesAtTheOffset) {
    TestPicture picture(100, 100);
    SquarCut cut(&picture);
    cut.longSideCount = 2;
    Gdiplus::Bitmap target(120, 120);
    Gdiplus::Graphics graphics(&target);
    cut.DrawPreview(graphics, 10, 10, 999, 999);
    graphics.Flush();
    const uint32_t line = 0xFFC8C8C8;
    // Lines at picture x and y of 0, 50 and 99, moved by (10, 10).
    EXPECT_EQ(PixelAt(target, 60, 30), line);
    EXPECT_EQ(PixelAt(target, 30, 60), line);
    EXPECT_EQ(PixelAt(target, 10, 80), line);
    EXPECT_EQ(PixelAt(target, 109, 80), line);
    EXPECT_EQ(PixelAt(target, 30, 30), 0u);
    EXPECT_EQ(PixelAt(target, 5, 5), 0u);
    EXPECT_EQ(graphics.GetSmoothingMode(), Gdiplus::SmoothingModeDefault);
}
