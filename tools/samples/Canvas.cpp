// SPDX-License-Identifier: GPL-3.0-or-later
#include "Canvas.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "foundation/UniqueHandle.h"

namespace {

using SurfacePtr = UniqueHandle<cairo_surface_t, cairo_surface_destroy>;
using ContextPtr = UniqueHandle<cairo_t, cairo_destroy>;
using PatternPtr = UniqueHandle<cairo_pattern_t, cairo_pattern_destroy>;

void AddStops(cairo_pattern_t* pattern, const std::vector<GradientStop>& stops) {
    for (const GradientStop& stop : stops)
        cairo_pattern_add_color_stop_rgba(pattern, stop.offset, stop.colour.r, stop.colour.g, stop.colour.b,
                                          stop.colour.a);
}

}   // namespace

struct Canvas::State {
    SurfacePtr surface;
    ContextPtr context;
};

Canvas::Canvas(int32_t width, int32_t height) : state(std::make_unique<State>()), width(width), height(height) {
    state->surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(state->surface.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a " + std::to_string(width) + "x" + std::to_string(height) +
                                 " surface");
    state->context.reset(cairo_create(state->surface.get()));
    if (cairo_status(state->context.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot draw on the surface");
}

Canvas::~Canvas() = default;

const uint8_t* Canvas::Data() const {
    cairo_surface_flush(state->surface.get());
    return cairo_image_surface_get_data(state->surface.get());
}

int32_t Canvas::Stride() const { return cairo_image_surface_get_stride(state->surface.get()); }

void Canvas::SavePng(const std::string& path) const {
    if (cairo_surface_write_to_png(state->surface.get(), path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}

void Canvas::MoveTo(double x, double y) { cairo_move_to(state->context.get(), x, y); }

void Canvas::LineTo(double x, double y) { cairo_line_to(state->context.get(), x, y); }

void Canvas::CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) {
    cairo_curve_to(state->context.get(), x1, y1, x2, y2, x3, y3);
}

void Canvas::ClosePath() { cairo_close_path(state->context.get()); }

void Canvas::Rectangle(double x, double y, double w, double h) { cairo_rectangle(state->context.get(), x, y, w, h); }

void Canvas::Ellipse(double cx, double cy, double rx, double ry) {
    cairo_t* cr = state->context.get();
    if (rx <= 0 || ry <= 0)
        return;
    if (rx == ry) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, rx, 0, 2 * M_PI);
        cairo_close_path(cr);
        return;
    }
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void Canvas::Polygon(const std::vector<Point>& points) {
    if (points.empty())
        return;
    cairo_move_to(state->context.get(), points[0].x, points[0].y);
    for (size_t i = 1; i < points.size(); ++i)
        cairo_line_to(state->context.get(), points[i].x, points[i].y);
    cairo_close_path(state->context.get());
}

void Canvas::Fill(const Colour& colour) {
    FillPreserve(colour);
    cairo_new_path(state->context.get());
}

void Canvas::FillPreserve(const Colour& colour) {
    cairo_set_source_rgba(state->context.get(), colour.r, colour.g, colour.b, colour.a);
    cairo_fill_preserve(state->context.get());
}

void Canvas::FillLinear(double x0, double y0, double x1, double y1, const std::vector<GradientStop>& stops) {
    PatternPtr pattern(cairo_pattern_create_linear(x0, y0, x1, y1));
    AddStops(pattern.get(), stops);
    cairo_set_source(state->context.get(), pattern.get());
    cairo_fill(state->context.get());
}

void Canvas::FillRadial(double cx, double cy, double r0, double r1, const std::vector<GradientStop>& stops) {
    PatternPtr pattern(cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1));
    AddStops(pattern.get(), stops);
    cairo_set_source(state->context.get(), pattern.get());
    cairo_fill(state->context.get());
}

void Canvas::Stroke(const Colour& colour, double lineWidth) {
    StrokePreserve(colour, lineWidth);
    cairo_new_path(state->context.get());
}

void Canvas::StrokePreserve(const Colour& colour, double lineWidth) {
    cairo_t* cr = state->context.get();
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, colour.a);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
}

void Canvas::Clip() { cairo_clip(state->context.get()); }

void Canvas::PaintAll(const Colour& colour) {
    cairo_set_source_rgba(state->context.get(), colour.r, colour.g, colour.b, colour.a);
    cairo_paint(state->context.get());
}

void Canvas::Save() { cairo_save(state->context.get()); }

void Canvas::Restore() { cairo_restore(state->context.get()); }

void Canvas::Translate(double dx, double dy) { cairo_translate(state->context.get(), dx, dy); }

void Canvas::Rotate(double radians) { cairo_rotate(state->context.get(), radians); }

void Canvas::Mirror(double axisY, double bottom, const Colour& tint) {
    // The source must be a copy: cairo cannot read and write the same surface in one paint.
    const auto top = static_cast<int32_t>(std::floor(std::max(0.0, 2 * axisY - bottom)));
    const auto rows = static_cast<int32_t>(std::ceil(axisY)) - top;
    if (rows <= 0)
        return;
    SurfacePtr copy(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, rows));
    {
        ContextPtr copier(cairo_create(copy.get()));
        cairo_set_source_surface(copier.get(), state->surface.get(), 0, -top);
        cairo_paint(copier.get());
    }
    cairo_t* cr = state->context.get();
    cairo_save(cr);
    cairo_rectangle(cr, 0, axisY, width, bottom - axisY);
    cairo_clip(cr);
    // Row y of the original lands on 2 * axisY - y.
    cairo_translate(cr, 0, 2 * axisY - top);
    cairo_scale(cr, 1, -1);
    cairo_set_source_surface(cr, copy.get(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 0, axisY, width, bottom - axisY);
    cairo_set_source_rgba(cr, tint.r, tint.g, tint.b, tint.a);
    cairo_fill(cr);
    cairo_restore(cr);
}
