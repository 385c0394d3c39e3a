// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/EdgeShapeLine.h"

#include "gfx/GraphicsPath.h"

EdgeShapeLine* EdgeShapeLine::Shared() {
    static EdgeShapeLine line;
    return &line;
}

EdgeShapeLine::EdgeShapeLine() : EdgeShape(false) { partner = this; }

void EdgeShapeLine::AddToPath(Gdiplus::GraphicsPath& path, const GridVertex& from, const GridVertex& to) {
    path.AddLine(from.x, from.y, to.x, to.y);
}
