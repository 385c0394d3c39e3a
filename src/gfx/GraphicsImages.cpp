// SPDX-License-Identifier: GPL-3.0-or-later
// Graphics: drawing bitmaps at a point or scaled into a rectangle.

#include "gfx/Graphics.h"

#include <cmath>

#include "gfx/detail/CairoDetail.h"

namespace Gdiplus {

namespace {

cairo_filter_t FilterFor(InterpolationMode mode) {
    switch (mode) {
    case InterpolationModeNearestNeighbor:
        return CAIRO_FILTER_NEAREST;
    case InterpolationModeLowQuality:
    case InterpolationModeBilinear:
        return CAIRO_FILTER_BILINEAR;
    default:
        return CAIRO_FILTER_GOOD;
    }
}

bool IsWholePixelTranslation(const cairo_matrix_t& m) {
    return m.xx == 1.0 && m.yy == 1.0 && m.xy == 0.0 && m.yx == 0.0 && m.x0 == std::floor(m.x0) &&
           m.y0 == std::floor(m.y0);
}

}   // namespace

Status Graphics::DrawImage(Bitmap* image, int x, int y) {
    if (Ready() != Ok)
        return InvalidParameter;
    const Detail::SurfaceHolder* surface = Detail::Access::Surface(image);
    if (!surface)
        return Record(InvalidParameter);
    cairo_t* cr = context->Get();
    cairo_set_source_surface(cr, surface->Get(), x, y);
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    cairo_pattern_set_filter(cairo_get_source(cr),
                             IsWholePixelTranslation(m) ? CAIRO_FILTER_NEAREST : FilterFor(interpolationMode));
    // The source does not extend beyond the image, so painting touches only the image's area.
    cairo_paint(cr);
    return Ok;
}

Status Graphics::DrawImage(Bitmap* image, float x, float y) {
    const Detail::SurfaceHolder* surface = Detail::Access::Surface(image);
    if (!surface)
        return Record(InvalidParameter);
    return DrawImage(image, RectF(x, y, float(surface->Width()), float(surface->Height())));
}

Status Graphics::DrawImage(Bitmap* image, const Rect& dest) { return DrawImage(image, RectF(dest)); }

Status Graphics::DrawImage(Bitmap* image, int x, int y, int width, int height) {
    return DrawImage(image, RectF(Rect(x, y, width, height)));
}

Status Graphics::DrawImage(Bitmap* image, const RectF& dest) {
    const Detail::SurfaceHolder* s = Detail::Access::Surface(image);
    if (!s)
        return Record(InvalidParameter);
    return DrawScaled(image, dest, RectF(0.0f, 0.0f, float(s->Width()), float(s->Height())));
}

Status Graphics::DrawImage(Bitmap* image, const Rect& dest, int srcX, int srcY, int srcWidth, int srcHeight, Unit) {
    return DrawScaled(image, RectF(dest), RectF(Rect(srcX, srcY, srcWidth, srcHeight)));
}

Status Graphics::DrawScaled(Bitmap* image, const RectF& dest, const RectF& src) {
    if (Ready() != Ok)
        return InvalidParameter;
    const Detail::SurfaceHolder* surface = Detail::Access::Surface(image);
    if (!surface || src.Width <= 0.0f || src.Height <= 0.0f)
        return Record(InvalidParameter);
    if (dest.Width == 0.0f || dest.Height == 0.0f)
        return Ok;
    cairo_t* cr = context->Get();
    Detail::PatternPtr pattern(cairo_pattern_create_for_surface(surface->Get()));
    // Pattern space is image pixels: p = src + (u - dest) * src size / dest size.
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, src.X, src.Y);
    cairo_matrix_scale(&m, double(src.Width) / dest.Width, double(src.Height) / dest.Height);
    cairo_matrix_translate(&m, -dest.X, -dest.Y);
    cairo_pattern_set_matrix(pattern.get(), &m);
    // Edge pixels repeat outward instead of fading into transparency at the border.
    cairo_pattern_set_extend(pattern.get(), CAIRO_EXTEND_PAD);
    cairo_matrix_t ctm;
    cairo_get_matrix(cr, &ctm);
    const bool exact = IsWholePixelTranslation(m) && IsWholePixelTranslation(ctm);
    cairo_pattern_set_filter(pattern.get(), exact ? CAIRO_FILTER_NEAREST : FilterFor(interpolationMode));
    cairo_set_source(cr, pattern.get());
    cairo_new_path(cr);
    cairo_rectangle(cr, dest.X, dest.Y, dest.Width, dest.Height);
    cairo_fill(cr);
    return Ok;
}

}   // namespace Gdiplus
