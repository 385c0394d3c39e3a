// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/GraphicsPath.h"

#include <cmath>
#include <limits>

#include "gfx/Matrix.h"
#include "gfx/detail/CairoDetail.h"

namespace Gdiplus {

namespace {

struct Extents {
    double minX = std::numeric_limits<double>::infinity();
    double minY = std::numeric_limits<double>::infinity();
    double maxX = -std::numeric_limits<double>::infinity();
    double maxY = -std::numeric_limits<double>::infinity();

    void Add(double x, double y) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    bool Empty() const { return minX > maxX; }
};

double BezierAt(double p0, double p1, double p2, double p3, double t) {
    const double u = 1.0 - t;
    return u * u * u * p0 + 3.0 * u * u * t * p1 + 3.0 * u * t * t * p2 + t * t * t * p3;
}

// The parameters in (0, 1) where one coordinate of the cubic p0..p3 has a turning point:
// the roots of its derivative a*t^2 + b*t + c.
int TurningPoints(double p0, double p1, double p2, double p3, double* roots) {
    const double a = -p0 + 3.0 * p1 - 3.0 * p2 + p3;
    const double b = 2.0 * (p0 - 2.0 * p1 + p2);
    const double c = p1 - p0;
    int n = 0;
    auto keep = [&](double t) {
        if (t > 0.0 && t < 1.0)
            roots[n++] = t;
    };
    if (std::fabs(a) < 1e-12) {
        if (std::fabs(b) > 1e-12)
            keep(-c / b);
        return n;
    }
    const double d = b * b - 4.0 * a * c;
    if (d < 0.0)
        return n;
    const double s = std::sqrt(d);
    keep((-b + s) / (2.0 * a));
    keep((-b - s) / (2.0 * a));
    return n;
}

// Exact extents of the path's lines and curves (control points only count where the curve
// reaches them). A turning point in x is added with the segment's start y, a point already
// inside the extents, so it widens x alone; likewise for y.
Extents PathExtents(const std::vector<PointF>& points, const std::vector<uint8_t>& types) {
    Extents ext;
    for (size_t i = 0; i < points.size(); ++i) {
        const int kind = types[i] & 0x07;
        if (kind == GraphicsPath::TypeBezier && i + 2 < points.size() && i > 0) {
            const PointF& p0 = points[i - 1];
            const PointF& c1 = points[i];
            const PointF& c2 = points[i + 1];
            const PointF& p3 = points[i + 2];
            double roots[2];
            int n = TurningPoints(p0.X, c1.X, c2.X, p3.X, roots);
            for (int k = 0; k < n; ++k)
                ext.Add(BezierAt(p0.X, c1.X, c2.X, p3.X, roots[k]), p0.Y);
            n = TurningPoints(p0.Y, c1.Y, c2.Y, p3.Y, roots);
            for (int k = 0; k < n; ++k)
                ext.Add(p0.X, BezierAt(p0.Y, c1.Y, c2.Y, p3.Y, roots[k]));
            ext.Add(p3.X, p3.Y);
            i += 2;
        } else {
            ext.Add(points[i].X, points[i].Y);
        }
    }
    return ext;
}

Extents ExtentsUnder(const std::vector<PointF>& points, const std::vector<uint8_t>& types, const Matrix* matrix) {
    if (!matrix || points.empty())
        return PathExtents(points, types);
    std::vector<PointF> moved = points;
    matrix->TransformPoints(moved.data(), static_cast<int>(moved.size()));
    return PathExtents(moved, types);
}

// Whole pixels that contain every pixel centre inside the extents, and so every painted pixel.
Rect PixelBounds(const Extents& ext) {
    if (ext.Empty())
        return Rect();
    const int left = static_cast<int>(std::floor(ext.minX));
    const int top = static_cast<int>(std::floor(ext.minY));
    const int right = static_cast<int>(std::ceil(ext.maxX));
    const int bottom = static_cast<int>(std::ceil(ext.maxY));
    return Rect(left, top, right - left, bottom - top);
}

}   // namespace

GraphicsPath::GraphicsPath(FillMode fillMode) : fillMode(fillMode) {}

GraphicsPath::~GraphicsPath() = default;

Status GraphicsPath::Reset() {
    points.clear();
    types.clear();
    figureOpen = false;
    Changed();
    return Ok;
}

Status GraphicsPath::SetFillMode(FillMode mode) {
    if (mode != FillModeAlternate && mode != FillModeWinding)
        return Record(InvalidParameter);
    fillMode = mode;
    Changed();
    return Ok;
}

Status GraphicsPath::StartFigure() {
    figureOpen = false;
    return Ok;
}

Status GraphicsPath::CloseFigure() {
    if (figureOpen && !types.empty())
        types.back() |= TypeCloseSubpath;
    figureOpen = false;
    Changed();
    return Ok;
}

Status GraphicsPath::CloseAllFigures() {
    for (size_t i = 1; i <= types.size(); ++i)
        if (i == types.size() || (types[i] & 0x07) == TypeStart)
            types[i - 1] |= TypeCloseSubpath;
    figureOpen = false;
    Changed();
    return Ok;
}

void GraphicsPath::BeginSegment(const PointF& first) {
    if (!figureOpen || points.empty()) {
        points.push_back(first);
        types.push_back(TypeStart);
        figureOpen = true;
    } else if (!(points.back() == first)) {
        points.push_back(first);
        types.push_back(TypeLine);
    }
    Changed();
}

Status GraphicsPath::AddLine(int x1, int y1, int x2, int y2) {
    return AddLine(PointF(float(x1), float(y1)), PointF(float(x2), float(y2)));
}

Status GraphicsPath::AddLine(float x1, float y1, float x2, float y2) { return AddLine(PointF(x1, y1), PointF(x2, y2)); }

Status GraphicsPath::AddLine(const Point& a, const Point& b) { return AddLine(PointF(a), PointF(b)); }

Status GraphicsPath::AddLine(const PointF& a, const PointF& b) {
    const PointF both[2] = {a, b};
    return AddLines(both, 2);
}

Status GraphicsPath::AddLines(const Point* in, int count) {
    if (!in || count < 1)
        return Record(InvalidParameter);
    std::vector<PointF> converted(in, in + count);
    return AddLines(converted.data(), count);
}

Status GraphicsPath::AddLines(const PointF* in, int count) {
    if (!in || count < 1)
        return Record(InvalidParameter);
    BeginSegment(in[0]);
    for (int i = 1; i < count; ++i) {
        points.push_back(in[i]);
        types.push_back(TypeLine);
    }
    return Ok;
}

Status GraphicsPath::AddBezier(const Point& p1, const Point& c1, const Point& c2, const Point& p2) {
    const Point four[4] = {p1, c1, c2, p2};
    return AddBeziers(four, 4);
}

Status GraphicsPath::AddBezier(const PointF& p1, const PointF& c1, const PointF& c2, const PointF& p2) {
    const PointF four[4] = {p1, c1, c2, p2};
    return AddBeziers(four, 4);
}

Status GraphicsPath::AddBeziers(const Point* in, int count) {
    if (!in || count < 4 || (count - 1) % 3 != 0)
        return Record(InvalidParameter);
    std::vector<PointF> converted(in, in + count);
    return AddBeziers(converted.data(), count);
}

Status GraphicsPath::AddBeziers(const PointF* in, int count) {
    if (!in || count < 4 || (count - 1) % 3 != 0)
        return Record(InvalidParameter);
    BeginSegment(in[0]);
    for (int i = 1; i < count; ++i) {
        points.push_back(in[i]);
        types.push_back(TypeBezier);
    }
    return Ok;
}

Status GraphicsPath::AddRectangle(const Rect& rect) { return AddRectangle(RectF(rect)); }

Status GraphicsPath::AddRectangle(const RectF& rect) {
    StartFigure();
    const PointF corners[4] = {
        {rect.X, rect.Y}, {rect.GetRight(), rect.Y}, {rect.GetRight(), rect.GetBottom()}, {rect.X, rect.GetBottom()}};
    AddLines(corners, 4);
    return CloseFigure();
}

Status GraphicsPath::Transform(const Matrix* matrix) {
    if (!matrix)
        return Record(InvalidParameter);
    if (!points.empty())
        matrix->TransformPoints(points.data(), static_cast<int>(points.size()));
    Changed();
    return Ok;
}

Status GraphicsPath::GetBounds(Rect* bounds, const Matrix* matrix, const Pen*) const {
    if (!bounds)
        return Record(InvalidParameter);
    *bounds = PixelBounds(ExtentsUnder(points, types, matrix));
    return Ok;
}

Status GraphicsPath::GetBounds(RectF* bounds, const Matrix* matrix, const Pen*) const {
    if (!bounds)
        return Record(InvalidParameter);
    const Extents ext = ExtentsUnder(points, types, matrix);
    *bounds = ext.Empty()
                  ? RectF()
                  : RectF(float(ext.minX), float(ext.minY), float(ext.maxX - ext.minX), float(ext.maxY - ext.minY));
    return Ok;
}

bool GraphicsPath::IsVisible(int x, int y) const {
    if (points.empty())
        return false;
    if (!mask) {
        auto built = std::make_unique<Detail::PathMask>();
        built->bounds = PixelBounds(PathExtents(points, types));
        if (!built->bounds.IsEmptyArea())
            Detail::RasterisePath(*this, *built);
        mask = std::move(built);
    }
    return mask->Painted(x, y);
}

Status GraphicsPath::GetPathPoints(PointF* out, int count) const {
    if (!out || count < GetPointCount())
        return Record(InsufficientBuffer);
    std::copy(points.begin(), points.end(), out);
    return Ok;
}

Status GraphicsPath::GetLastStatus() {
    const Status status = lastStatus;
    lastStatus = Ok;
    return status;
}

void GraphicsPath::Changed() { mask.reset(); }

Status GraphicsPath::Record(Status status) const {
    if (status != Ok)
        lastStatus = status;
    return status;
}

}   // namespace Gdiplus
