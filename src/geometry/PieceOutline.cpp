// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/PieceOutline.h"

#include "geometry/EdgeShape.h"
#include "gfx/GraphicsPath.h"

void BuildOutline(Gdiplus::GraphicsPath& path, const std::array<GridVertex, 4>& vertices,
                  const std::array<EdgeShape*, 4>& edges) {
    path.SetFillMode(Gdiplus::FillModeAlternate);
    for (size_t k = 0; k < 4; ++k)
        edges[k]->AddToPath(path, vertices[k], vertices[(k + 1) % 4]);
    path.CloseFigure();
}

bool PieceHitTest(const Gdiplus::Rect& bounds, const CPtr<Gdiplus::GraphicsPath>& outline, int32_t x, int32_t y) {
    return bounds.Contains(x, y) && outline->IsVisible(x, y);
}
