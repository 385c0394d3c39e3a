// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/EdgeShapeClassic.h"

#include <algorithm>

#include "gfx/GraphicsPath.h"
#include "gfx/Matrix.h"

namespace {

std::vector<Gdiplus::Point> Negated(const std::vector<Gdiplus::Point>& points) {
    std::vector<Gdiplus::Point> result;
    for (const Gdiplus::Point& p : points)
        result.emplace_back(p.X, -p.Y);
    return result;
}

}   // namespace

// Points on the curve: (0,0) (317,31) (389,-15) (370,-115) (500,-250) (630,-115) (611,-15)
// (683,31) (1000,0); the two points before each are its segment's control points. The head is
// 25 % of the length high, the neck spans about 370..630, the shoulders bow 4 % the other way.
const std::vector<Gdiplus::Point> EdgeTemplateTabUp = {
    {0, 0},      {171, 40},   {284, 35},   {317, 31},   {345, 28},   {388, 13},   {389, -15},  {391, -58}, {375, -71},
    {370, -115}, {363, -185}, {421, -250}, {500, -250}, {579, -250}, {637, -185}, {630, -115}, {625, -71}, {609, -58},
    {611, -15},  {612, 13},   {655, 28},   {683, 31},   {716, 35},   {829, 40},   {1000, 0},
};
const std::vector<Gdiplus::Point> EdgeTemplateTabDown = Negated(EdgeTemplateTabUp);

// Built together, tab-up pair first, so that partners can point at each other.
struct EdgeShapeClassic::SharedSet {
    EdgeShapeClassic tabUp{EdgeTemplateTabUp, false};
    EdgeShapeClassic tabUpReversed{EdgeTemplateTabUp, true};
    EdgeShapeClassic tabDown{EdgeTemplateTabDown, false};
    EdgeShapeClassic tabDownReversed{EdgeTemplateTabDown, true};

    SharedSet() {
        tabUp.partner = &tabUpReversed;
        tabUpReversed.partner = &tabUp;
        tabDown.partner = &tabDownReversed;
        tabDownReversed.partner = &tabDown;
    }
};

EdgeShapeClassic* EdgeShapeClassic::TabUp() { return &Shared().tabUp; }

EdgeShapeClassic* EdgeShapeClassic::TabDown() { return &Shared().tabDown; }

void EdgeShapeClassic::AddToPath(Gdiplus::GraphicsPath& path, const GridVertex& from, const GridVertex& to) {
    if (from.x == to.x && from.y == to.y) {
        // A cell under one pixel wide: no direction to lay a tab along.
        path.AddLine(from.x, from.y, to.x, to.y);
        return;
    }
    // The reversed template is stored back to front, so laying it from `to` to `from` traces
    // the partner's curve backwards.
    const GridVertex& start = reversed ? to : from;
    const GridVertex& end = reversed ? from : to;
    Gdiplus::Matrix matrix;
    MapSegmentMatrix(matrix, templateLength, start, end);

    const int count = static_cast<int>(templatePoints.size());
    std::copy(templatePoints.begin() + 1, templatePoints.end() - 1, work.begin() + 1);
    matrix.TransformPoints(work.data() + 1, count - 2);
    // The ends are the vertices themselves, so neighbouring edges meet without rounding gaps.
    work.at(0) = Gdiplus::Point(from.x, from.y);
    work.at(count - 1) = Gdiplus::Point(to.x, to.y);
    path.AddBeziers(work.data(), count);
}

EdgeShapeClassic::EdgeShapeClassic(const std::vector<Gdiplus::Point>& points, bool reversed)
    : EdgeShape(reversed), templatePoints(points), templateLength(points.at(points.size() - 1).X), work(points.size()) {
    if (reversed)
        std::reverse(templatePoints.begin(), templatePoints.end());
}

EdgeShapeClassic::SharedSet& EdgeShapeClassic::Shared() {
    static SharedSet shapes;
    return shapes;
}
