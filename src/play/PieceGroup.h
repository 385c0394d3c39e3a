// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces joined together: they share one board offset, so they stay exactly aligned.

#include <cstdint>
#include <vector>

#include "geometry/GridVertex.h"
#include "gfx/GdiplusTypes.h"

namespace Gdiplus {
class Graphics;
}
class Piece;

class PieceGroup {
public:
    // A group of one piece at offset (0, 0).
    explicit PieceGroup(Piece* piece);

    // Appends the piece, its vertices not yet present and grows the box.
    void AddPiece(Piece* piece);

    // Holds a vertex on the picture's outer edge; only these show under "Edges Only".
    bool IsEdgeGroup() const { return edge; }
    // Neighbours share a grid vertex, including groups that touch only at one corner.
    bool SharesVertexWith(const PieceGroup& other) const;
    // The box moved to where the group lies on the board.
    Gdiplus::Rect BoardBox() const;

    // Draws the pieces in their stored order, skipping those whose board box misses the clip.
    void Draw(Gdiplus::Graphics& graphics, const Gdiplus::Rect& clip) const;

    std::vector<Piece*> pieces;   // owned by the board
    // The union of the pieces' vertices, each id once, in the order first met.
    std::vector<GridVertex> vertices;
    // The union of the pieces' bounds, in picture pixels.
    Gdiplus::Rect box;
    // Picture pixel (x, y) of any piece of the group is drawn at (x + offsetX, y + offsetY).
    int32_t offsetX = 0;
    int32_t offsetY = 0;

private:
    bool edge = false;
};

// Whether board point (x, y) lies on one of the group's pieces (not in a socket).
bool GroupHitTest(const PieceGroup& group, int32_t x, int32_t y);
// The area by which the pieces' bounding boxes on the board cover the rectangle.
int32_t GroupRectOverlap(const PieceGroup& group, const Gdiplus::Rect& rect);
// The summed overlap of every piece box of one group with every piece box of the other.
int32_t GroupGroupOverlap(const PieceGroup& group, const PieceGroup& other);
