// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/SquarCut.h"

#include <algorithm>
#include <cstdio>

#include "geometry/EdgeShapeLine.h"
#include "geometry/Piece.h"
#include "gfx/Graphics.h"
#include "gfx/GraphicsPath.h"
#include "gfx/Matrix.h"
#include "gfx/Pen.h"
#include "gfx/Rectangles.h"

std::string SquarCut::GetLabel() {
    ComputeGridSize();
    char text[32];
    std::snprintf(text, sizeof text, "%i pieces", rows * columns);
    return text;
}

void SquarCut::DrawPreview(Gdiplus::Graphics& graphics, int32_t x, int32_t y, int32_t, int32_t) {
    const Gdiplus::SmoothingMode previousMode = graphics.GetSmoothingMode();
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighSpeed);
    // A fresh grid: the preview shows the style of the cut, not the cut a game will use.
    BuildGrid();

    Gdiplus::GraphicsPath path;
    for (int32_t i = 0; i <= rows; ++i)
        for (int32_t j = 0; j < columns; ++j) {
            path.StartFigure();
            horizontalEdges.at(i * columns + j)->AddToPath(path, Vertex(i, j), Vertex(i, j + 1));
        }
    for (int32_t i = 0; i < rows; ++i)
        for (int32_t j = 0; j <= columns; ++j) {
            path.StartFigure();
            verticalEdges.at(i * (columns + 1) + j)->AddToPath(path, Vertex(i, j), Vertex(i + 1, j));
        }
    Gdiplus::Matrix matrix;
    matrix.Translate(static_cast<float>(x), static_cast<float>(y), Gdiplus::MatrixOrderPrepend);
    path.Transform(&matrix);

    // The toolkit's shared pen lives in a layer above this one; a pen of the same colour and
    // width draws the same lines.
    Gdiplus::Pen pen(Gdiplus::Color(0xFFC8C8C8), 1.0f);
    graphics.DrawPath(&pen, &path);
    graphics.SetSmoothingMode(previousMode);
}

void SquarCut::BuildPieces(std::vector<std::unique_ptr<Piece>>& pieces) {
    pieces.clear();
    BuildGrid();
    pieces.reserve(static_cast<size_t>(rows) * static_cast<size_t>(columns));
    const int32_t stride = columns + 1;
    for (int32_t r = 0; r < rows; ++r)
        for (int32_t c = 0; c < columns; ++c) {
            // Clockwise from the top left. The top and right edges use the grid line's own
            // shape, the bottom and left its partner, so neighbours trace one identical curve.
            const std::array<GridVertex, 4> corners = {
                PieceCorner(r, c),
                PieceCorner(r, c + 1),
                PieceCorner(r + 1, c + 1),
                PieceCorner(r + 1, c),
            };
            const std::array<EdgeShape*, 4> edges = {
                horizontalEdges.at(r * columns + c),
                verticalEdges.at(stride * r + c + 1),
                horizontalEdges.at((r + 1) * columns + c)->partner,
                verticalEdges.at(stride * r + c)->partner,
            };
            pieces.push_back(std::make_unique<Piece>(owner, corners, edges));
        }
}

EdgeShape* SquarCut::BorderEdge() { return EdgeShapeLine::Shared(); }

EdgeShape* SquarCut::InnerEdge() { return EdgeShapeLine::Shared(); }

void SquarCut::ComputeGridSize() {
    const int32_t width = static_cast<int32_t>(owner->picture->GetWidth());
    const int32_t height = static_cast<int32_t>(owner->picture->GetHeight());
    if (width < height) {
        rows = longSideCount;
        columns = RoundHalfAwayFromZero(static_cast<float>(static_cast<double>(longSideCount) * width / height));
    } else {
        columns = longSideCount;
        rows = RoundHalfAwayFromZero(static_cast<float>(static_cast<double>(longSideCount) * height / width));
    }
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);
}

void SquarCut::BuildGrid() {
    ComputeGridSize();
    const int32_t width = static_cast<int32_t>(owner->picture->GetWidth());
    const int32_t height = static_cast<int32_t>(owner->picture->GetHeight());
    vertices.clear();
    horizontalEdges.clear();
    verticalEdges.clear();
    vertices.reserve(static_cast<size_t>(rows + 1) * static_cast<size_t>(columns + 1));
    horizontalEdges.reserve(static_cast<size_t>(rows + 1) * static_cast<size_t>(columns));
    verticalEdges.reserve(static_cast<size_t>(rows) * static_cast<size_t>(columns + 1));

    const float cellWidth = static_cast<float>(static_cast<double>(width) / columns);
    const float cellHeight = static_cast<float>(static_cast<double>(height) / rows);
    for (int32_t i = 0; i <= rows; ++i)
        for (int32_t j = 0; j <= columns; ++j) {
            GridVertex vertex;
            vertex.id = (columns + 1) * i + j;
            // The last row and column sit on the last pixel, not one past it.
            const float x = static_cast<float>(j) * cellWidth;
            const float y = static_cast<float>(i) * cellHeight;
            vertex.x = std::min(width - 1, static_cast<int32_t>(x));
            vertex.y = std::min(height - 1, static_cast<int32_t>(y));
            vertex.border = i == 0 || j == 0 || i == rows || j == columns;
            vertices.push_back(vertex);
        }
    for (int32_t i = 0; i <= rows; ++i)
        for (int32_t j = 0; j < columns; ++j)
            horizontalEdges.push_back(i > 0 && i < rows ? InnerEdge() : BorderEdge());
    for (int32_t i = 0; i < rows; ++i)
        for (int32_t j = 0; j <= columns; ++j)
            verticalEdges.push_back(j > 0 && j < columns ? InnerEdge() : BorderEdge());
}

const GridVertex& SquarCut::Vertex(int32_t row, int32_t column) const {
    return vertices.at(static_cast<size_t>(row) * (columns + 1) + column);
}

GridVertex SquarCut::PieceCorner(int32_t row, int32_t column) const {
    // The grid keeps its last row and column on the last pixel so that the preview's lines
    // stay on the picture. A fill paints a pixel when its centre lies inside, so an outline
    // ending there would leave the picture's last pixel row and column out of every piece:
    // the pieces take the picture's outer edge instead.
    GridVertex corner = Vertex(row, column);
    if (column == columns)
        corner.x = static_cast<int32_t>(owner->picture->GetWidth());
    if (row == rows)
        corner.y = static_cast<int32_t>(owner->picture->GetHeight());
    return corner;
}
