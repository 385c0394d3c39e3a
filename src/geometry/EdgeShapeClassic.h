// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The classic puzzle tab: eight cubic Bezier segments laid along the edge.

#include <cstdint>
#include <vector>

#include "geometry/EdgeShape.h"
#include "gfx/GdiplusTypes.h"

class EdgeShapeClassic : public EdgeShape {
public:
    // The shared shapes with the head on the left of the direction of travel (above a top
    // edge) and on the right. The four classic shapes are built together on first use.
    static EdgeShapeClassic* TabUp();
    static EdgeShapeClassic* TabDown();

    void AddToPath(Gdiplus::GraphicsPath& path, const GridVertex& from, const GridVertex& to) override;

    // Stored back to front when reversed.
    std::vector<Gdiplus::Point> templatePoints;
    // The x of the template's last point before any reversal.
    int32_t templateLength = 0;

private:
    struct SharedSet;
    static SharedSet& Shared();

    EdgeShapeClassic(const std::vector<Gdiplus::Point>& points, bool reversed);

    std::vector<Gdiplus::Point> work;
};

// Start point and eight Bezier segments of three points each (two control points, then the
// point on the curve), in template units of a 1000-long baseline; negative y lies left of the
// direction of travel.
extern const std::vector<Gdiplus::Point> EdgeTemplateTabUp;
extern const std::vector<Gdiplus::Point> EdgeTemplateTabDown;
