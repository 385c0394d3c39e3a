// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A piece's closed outline from its four edges, and the point-on-piece test that uses it.

#include <array>
#include <cstdint>

#include "foundation/CPtr.h"
#include "geometry/GridVertex.h"
#include "gfx/GdiplusTypes.h"
#include "gfx/GraphicsPath.h"

class EdgeShape;

// Appends the closed figure of edges 0..3 (edge k from vertex k to vertex (k + 1) mod 4) to
// the path and sets the alternate fill mode; the path is in picture pixels.
void BuildOutline(Gdiplus::GraphicsPath& path, const std::array<GridVertex, 4>& vertices,
                  const std::array<EdgeShape*, 4>& edges);

// Whether the picture pixel (x, y) lies on a piece with these bounds and outline. The right
// and bottom edges of the bounds are exclusive; points in a socket are not on the piece.
bool PieceHitTest(const Gdiplus::Rect& bounds, const CPtr<Gdiplus::GraphicsPath>& outline, int32_t x, int32_t y);
