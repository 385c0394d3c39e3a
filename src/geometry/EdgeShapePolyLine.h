// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A zig-zag edge of straight segments; built on request, used by no cut of the game.

#include <vector>

#include "geometry/EdgeShape.h"
#include "gfx/GdiplusTypes.h"

class EdgeShapePolyLine : public EdgeShape {
public:
    // The four poly-line shapes (A, B and their partners) are built together on first use.
    static EdgeShapePolyLine* SharedA();
    static EdgeShapePolyLine* SharedB();

    void AddToPath(Gdiplus::GraphicsPath& path, const GridVertex& from, const GridVertex& to) override;

    // Never stored reversed; its length is the x of its last point.
    std::vector<Gdiplus::Point> templatePoints;

private:
    struct SharedSet;
    static SharedSet& Shared();

    EdgeShapePolyLine(const std::vector<Gdiplus::Point>& points, bool reversed);

    std::vector<Gdiplus::Point> work;
};

extern const std::vector<Gdiplus::Point> PolyTemplateA;
extern const std::vector<Gdiplus::Point> PolyTemplateB;
