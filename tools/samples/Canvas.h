// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing surface for the sample pictures: 32-bit pixels and the path, fill and transform
// operations the scenes need, with the drawing library kept out of sight.

#include "Colour.h"
#include "GradientStop.h"
#include "Point.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Canvas {
public:
    Canvas(int32_t width, int32_t height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int32_t Width() const { return width; }
    int32_t Height() const { return height; }

    // Pixels as 32-bit words 0xAARRGGBB in native byte order, rows `Stride()` bytes apart.
    const uint8_t* Data() const;
    int32_t Stride() const;
    void SavePng(const std::string& path) const;

    // Building the current path.
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void CurveTo(double x1, double y1, double x2, double y2, double x3, double y3);
    void ClosePath();
    void Rectangle(double x, double y, double w, double h);
    void Ellipse(double cx, double cy, double rx, double ry);
    void Circle(double cx, double cy, double r) { Ellipse(cx, cy, r, r); }
    void Polygon(const std::vector<Point>& points);

    // Painting the current path; the non-preserving forms clear it.
    void Fill(const Colour& colour);
    void FillPreserve(const Colour& colour);
    void FillLinear(double x0, double y0, double x1, double y1, const std::vector<GradientStop>& stops);
    void FillRadial(double cx, double cy, double r0, double r1, const std::vector<GradientStop>& stops);
    void Stroke(const Colour& colour, double lineWidth);
    void StrokePreserve(const Colour& colour, double lineWidth);
    void Clip();

    // The whole surface.
    void PaintAll(const Colour& colour);

    void Save();
    void Restore();
    void Translate(double dx, double dy);
    void Rotate(double radians);

    // Copies the rows above `axisY` upside down into the rows from `axisY` to `bottom`, as
    // still water mirrors what stands on its shore, and lays `tint` over the copy.
    void Mirror(double axisY, double bottom, const Colour& tint);

private:
    struct State;
    std::unique_ptr<State> state;
    int32_t width = 0, height = 0;
};
