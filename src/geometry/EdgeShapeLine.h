// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The straight edge: used for the picture border and by the plain square cut.

#include "geometry/EdgeShape.h"

class EdgeShapeLine : public EdgeShape {
public:
    // The one shared instance; it is its own partner.
    static EdgeShapeLine* Shared();

    void AddToPath(Gdiplus::GraphicsPath& path, const GridVertex& from, const GridVertex& to) override;

private:
    EdgeShapeLine();
};
