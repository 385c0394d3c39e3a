// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/EdgeShapePolyLine.h"

#include <algorithm>

#include "gfx/GraphicsPath.h"
#include "gfx/Matrix.h"

const std::vector<Gdiplus::Point> PolyTemplateA = {{0, 0}, {30, -10}, {60, 20}, {70, -5}, {100, 0}};
const std::vector<Gdiplus::Point> PolyTemplateB = {{0, 0}, {40, -15}, {45, 25}, {80, -15}, {100, 0}};

struct EdgeShapePolyLine::SharedSet {
    EdgeShapePolyLine a{PolyTemplateA, false};
    EdgeShapePolyLine aReversed{PolyTemplateA, true};
    EdgeShapePolyLine b{PolyTemplateB, false};
    EdgeShapePolyLine bReversed{PolyTemplateB, true};

    SharedSet() {
        a.partner = &aReversed;
        aReversed.partner = &a;
        b.partner = &bReversed;
        bReversed.partner = &b;
    }
};

EdgeShapePolyLine* EdgeShapePolyLine::SharedA() { return &Shared().a; }

EdgeShapePolyLine* EdgeShapePolyLine::SharedB() { return &Shared().b; }

void EdgeShapePolyLine::AddToPath(Gdiplus::GraphicsPath& path, const GridVertex& from, const GridVertex& to) {
    const GridVertex& start = reversed ? to : from;
    const GridVertex& end = reversed ? from : to;
    const int count = static_cast<int>(templatePoints.size());
    if (count >= 3) {
        Gdiplus::Matrix matrix;
        MapSegmentMatrix(matrix, templatePoints.at(count - 1).X, start, end);
        std::copy(templatePoints.begin(), templatePoints.end(), work.begin());
        matrix.TransformPoints(work.data() + 1, count - 2);
    }
    work.at(0) = Gdiplus::Point(start.x, start.y);
    work.at(count - 1) = Gdiplus::Point(end.x, end.y);
    // The template is not stored reversed, so the partner walks its points backwards here.
    if (reversed)
        std::reverse(work.begin(), work.end());
    path.AddLines(work.data(), count);
}

EdgeShapePolyLine::EdgeShapePolyLine(const std::vector<Gdiplus::Point>& points, bool reversed)
    : EdgeShape(reversed), templatePoints(points), work(points.size()) {}

EdgeShapePolyLine::SharedSet& EdgeShapePolyLine::Shared() {
    static SharedSet shapes;
    return shapes;
}
