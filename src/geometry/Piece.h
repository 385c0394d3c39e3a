// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One piece: its grid corners and edges, its outline and its own image cut from the picture.

#include <array>
#include <cstdint>

#include "foundation/CPtr.h"
#include "geometry/GridVertex.h"
#include "geometry/PictureOwner.h"
#include "gfx/Bitmap.h"
#include "gfx/GraphicsPath.h"

namespace Gdiplus {
class Graphics;
}
class EdgeShape;

class Piece {
public:
    // Builds the outline, the bounds and the image. Vertices run top-left, top-right,
    // bottom-right, bottom-left; edge k runs from vertex k to vertex (k + 1) mod 4.
    Piece(PictureOwner* owner, const std::array<GridVertex, 4>& vertices, const std::array<EdgeShape*, 4>& edges);
    Piece(const Piece&) = delete;
    Piece& operator=(const Piece&) = delete;

    // Copies the image unscaled to where the piece lies on the board.
    void Draw(Gdiplus::Graphics& graphics, int32_t offsetX, int32_t offsetY) const;

    PictureOwner* owner = nullptr;   // not owned
    // Grid corners; on the picture's right and bottom edge they lie one past the last pixel,
    // so that the pieces cover the whole picture.
    std::array<GridVertex, 4> vertices;
    std::array<EdgeShape*, 4> edges{};   // shared shapes, not owned
    // 32-bit ARGB, exactly as large as bounds; transparent outside the outline.
    CPtr<Gdiplus::Bitmap> image;
    // Closed, alternate fill, in picture pixels.
    CPtr<Gdiplus::GraphicsPath> outline;
    // The outline's integer bounding box in picture pixels; image pixel (0, 0) is (X, Y).
    Gdiplus::Rect bounds;
};
