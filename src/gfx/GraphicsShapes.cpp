// SPDX-License-Identifier: GPL-3.0-or-later
// Graphics: filled and outlined rectangles, lines and paths.

#include "gfx/Graphics.h"

#include "gfx/GraphicsPath.h"
#include "gfx/Pen.h"
#include "gfx/detail/CairoDetail.h"

namespace Gdiplus {

Status Graphics::Clear(const Color& color) {
    if (Ready() != Ok)
        return InvalidParameter;
    cairo_t* cr = context->Get();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    Detail::SetSourceColour(cr, color);
    cairo_paint(cr);
    cairo_restore(cr);
    return Ok;
}

Status Graphics::FillRectangle(const Brush* brush, const RectF& rect) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (!brush)
        return Record(InvalidParameter);
    cairo_t* cr = context->Get();
    if (!Detail::SetSourceBrush(cr, brush))
        return Record(InvalidParameter);
    cairo_new_path(cr);
    cairo_rectangle(cr, rect.X, rect.Y, rect.Width, rect.Height);
    cairo_fill(cr);
    return Ok;
}

namespace {

// Curves are stroked flattened to within a quarter pixel, as GDI+ flattens them, instead of
// cairo's finer tenth: a cut preview of 25 x 25 pieces then strokes in three quarters of the time.
constexpr double kStrokeFlatness = 0.25;

// Strokes the current path with the pen. Lines are moved by half a pixel so that a one-pixel
// line at a whole coordinate covers exactly that row or column of pixels.
Status StrokeCurrentPath(cairo_t* cr, const Pen* pen, const Matrix& transform) {
    Detail::SetSourceColour(cr, pen->GetColorValue());
    cairo_set_line_width(cr, pen->GetWidth() > 0.0f ? pen->GetWidth() : 1.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_matrix_t shifted = Detail::ToCairo(transform);
    cairo_matrix_t offset;
    cairo_matrix_init_translate(&offset, 0.5, 0.5);
    cairo_matrix_multiply(&shifted, &shifted, &offset);
    cairo_save(cr);
    cairo_set_matrix(cr, &shifted);
    cairo_set_tolerance(cr, kStrokeFlatness);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_path_destroy(path);
    return Ok;
}

}   // namespace

Status Graphics::DrawRectangle(const Pen* pen, const RectF& rect) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (!pen)
        return Record(InvalidParameter);
    cairo_t* cr = context->Get();
    cairo_new_path(cr);
    cairo_rectangle(cr, rect.X, rect.Y, rect.Width, rect.Height);
    return StrokeCurrentPath(cr, pen, transform);
}

Status Graphics::DrawLine(const Pen* pen, int x1, int y1, int x2, int y2) {
    return DrawLine(pen, float(x1), float(y1), float(x2), float(y2));
}

Status Graphics::DrawLine(const Pen* pen, float x1, float y1, float x2, float y2) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (!pen)
        return Record(InvalidParameter);
    cairo_t* cr = context->Get();
    cairo_new_path(cr);
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    return StrokeCurrentPath(cr, pen, transform);
}

Status Graphics::FillPath(const Brush* brush, const GraphicsPath* path) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (!brush || !path)
        return Record(InvalidParameter);
    cairo_t* cr = context->Get();
    if (!Detail::SetSourceBrush(cr, brush))
        return Record(InvalidParameter);
    cairo_set_fill_rule(cr,
                        path->GetFillMode() == FillModeAlternate ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    Detail::AppendPath(cr, *path);
    cairo_fill(cr);
    return Ok;
}

Status Graphics::DrawPath(const Pen* pen, const GraphicsPath* path) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (!pen || !path)
        return Record(InvalidParameter);
    cairo_t* cr = context->Get();
    Detail::AppendPath(cr, *path);
    return StrokeCurrentPath(cr, pen, transform);
}

}   // namespace Gdiplus
