// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid cut with straight edges everywhere; the base of the classic cut.

#include <vector>

#include "geometry/Cut.h"
#include "geometry/GridVertex.h"

class EdgeShape;

class SquarCut : public Cut {
public:
    using Cut::Cut;

    // "N pieces" for the current picture and longSideCount.
    std::string GetLabel() override;
    void DrawPreview(Gdiplus::Graphics& graphics, int32_t x, int32_t y, int32_t width, int32_t height) override;
    void BuildPieces(std::vector<std::unique_ptr<Piece>>& pieces) override;

    // The shape of a grid line on the picture border, and of one between two pieces.
    virtual EdgeShape* BorderEdge();
    virtual EdgeShape* InnerEdge();

    // Sets rows and columns from the picture size: longSideCount along the longer side, the
    // other side in proportion, at least 1.
    void ComputeGridSize();
    // Recomputes the grid size, the vertices and a fresh set of edge shapes.
    void BuildGrid();

    int32_t columns = -1;
    int32_t rows = -1;
    // (rows + 1) x (columns + 1), row by row.
    std::vector<GridVertex> vertices;
    // (rows + 1) x columns, index row * columns + column; shared shapes, not owned.
    std::vector<EdgeShape*> horizontalEdges;
    // rows x (columns + 1), index row * (columns + 1) + column; shared shapes, not owned.
    std::vector<EdgeShape*> verticalEdges;

private:
    const GridVertex& Vertex(int32_t row, int32_t column) const;
    // A grid vertex as a piece outline uses it.
    GridVertex PieceCorner(int32_t row, int32_t column) const;
};
