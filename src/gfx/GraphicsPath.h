// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A path of figures made of lines and cubic Béziers, with an integer point-inside test.

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/GdiplusTypes.h"

namespace Gdiplus {

class Matrix;
class Pen;

namespace Detail {
class PathMask;
}

class GraphicsPath {
public:
    explicit GraphicsPath(FillMode fillMode = FillModeAlternate);
    ~GraphicsPath();
    GraphicsPath(const GraphicsPath&) = delete;
    GraphicsPath& operator=(const GraphicsPath&) = delete;

    Status Reset();   // empties the path; keeps the fill mode
    FillMode GetFillMode() const { return fillMode; }
    Status SetFillMode(FillMode mode);

    // A figure is a connected run of segments. Adding to an open figure connects the new
    // segment's start to the figure's last point with a straight line when they differ.
    Status StartFigure();
    Status CloseFigure();
    Status CloseAllFigures();

    Status AddLine(int x1, int y1, int x2, int y2);
    Status AddLine(float x1, float y1, float x2, float y2);
    Status AddLine(const Point& a, const Point& b);
    Status AddLine(const PointF& a, const PointF& b);
    Status AddLines(const Point* points, int count);   // count >= 2: connected lines
    Status AddLines(const PointF* points, int count);
    Status AddBezier(const Point& p1, const Point& c1, const Point& c2, const Point& p2);
    Status AddBezier(const PointF& p1, const PointF& c1, const PointF& c2, const PointF& p2);
    // A start point and three points per segment: count = 3n + 1, n >= 1.
    Status AddBeziers(const Point* points, int count);
    Status AddBeziers(const PointF* points, int count);
    Status AddRectangle(const Rect& rect);   // a closed figure of its own
    Status AddRectangle(const RectF& rect);

    Status Transform(const Matrix* matrix);

    // Integer bounds that contain every pixel a fill of the path can paint: the exact extents of
    // the curves (not of their control points) widened to whole pixels. An empty path gives
    // (0, 0, 0, 0). A matrix transforms a copy first; the pen is accepted and ignored.
    Status GetBounds(Rect* bounds, const Matrix* matrix = nullptr, const Pen* pen = nullptr) const;
    Status GetBounds(RectF* bounds, const Matrix* matrix = nullptr, const Pen* pen = nullptr) const;

    // Whether a fill of the path without anti-aliasing paints the pixel (x, y): a pixel is
    // painted when its centre (x + 0.5, y + 0.5) lies inside by the fill rule. The answer comes
    // from the same rasteriser that Graphics::FillPath uses, so it agrees exactly with the pixels
    // a fill under smoothing mode 1 paints at a whole-pixel offset (the way pieces are cut).
    // The rasterised mask is built on the first call and kept until the path changes.
    bool IsVisible(int x, int y) const;
    bool IsVisible(const Point& point) const { return IsVisible(point.X, point.Y); }

    int GetPointCount() const { return static_cast<int>(points.size()); }
    Status GetPathPoints(PointF* out, int count) const;
    Status GetLastStatus();

    // Point types as stored: the low bits tell the segment kind, 0x80 closes the figure.
    enum PointType : uint8_t { TypeStart = 0, TypeLine = 1, TypeBezier = 3, TypeCloseSubpath = 0x80 };
    const std::vector<PointF>& Points() const { return points; }
    const std::vector<uint8_t>& Types() const { return types; }

private:
    void Changed();
    void BeginSegment(const PointF& first);
    Status Record(Status status) const;

    FillMode fillMode;
    std::vector<PointF> points;
    std::vector<uint8_t> types;
    bool figureOpen = false;   // the next segment continues the current figure
    mutable std::unique_ptr<Detail::PathMask> mask;
    mutable Status lastStatus = Ok;
};

}   // namespace Gdiplus
