// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing context on a bitmap: its state (status, smoothing, text hint, interpolation), the
// world transform and the clip. Drawing is in GraphicsShapes.cpp, GraphicsImages.cpp and
// GraphicsText.cpp.

#include "gfx/Graphics.h"

#include <algorithm>
#include <cmath>

#include "gfx/detail/CairoDetail.h"

namespace Gdiplus {

Graphics::Graphics(Bitmap* image) {
    const Detail::SurfaceHolder* surface = Detail::Access::Surface(image);
    if (!surface) {
        lastStatus = InvalidParameter;
        return;
    }
    Detail::ContextPtr cr(cairo_create(surface->Get()));
    if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
        lastStatus = OutOfMemory;
        return;
    }
    context = std::make_unique<Detail::Context>(std::move(cr));
    cairo_set_antialias(context->Get(), Detail::AntialiasFor(smoothingMode));
}

Graphics::~Graphics() = default;

Status Graphics::GetLastStatus() {
    const Status status = lastStatus;
    if (context)
        lastStatus = Ok;
    return status;
}

void Graphics::Flush() {
    if (context)
        cairo_surface_flush(cairo_get_target(context->Get()));
}

Status Graphics::Record(Status status) {
    if (status != Ok)
        lastStatus = status;
    return status;
}

Status Graphics::Ready() { return context ? Ok : Record(InvalidParameter); }

Status Graphics::SetSmoothingMode(SmoothingMode mode) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (mode < SmoothingModeDefault || mode > SmoothingModeAntiAlias8x8)
        return Record(InvalidParameter);
    smoothingMode = mode;
    cairo_set_antialias(context->Get(), Detail::AntialiasFor(mode));
    return Ok;
}

Status Graphics::SetTextRenderingHint(TextRenderingHint hint) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (hint != textHint) {
        textHint = hint;
        context->textOptionsApplied = false;
    }
    return Ok;
}

Status Graphics::SetInterpolationMode(InterpolationMode mode) {
    interpolationMode = mode;
    return Ok;
}

// ---- world transform ----

Status Graphics::TranslateTransform(float dx, float dy, MatrixOrder order) {
    Matrix t(1.0f, 0.0f, 0.0f, 1.0f, dx, dy);
    return MultiplyTransform(&t, order);
}

Status Graphics::ScaleTransform(float sx, float sy, MatrixOrder order) {
    Matrix s(sx, 0.0f, 0.0f, sy, 0.0f, 0.0f);
    return MultiplyTransform(&s, order);
}

Status Graphics::MultiplyTransform(const Matrix* matrix, MatrixOrder order) {
    if (!matrix)
        return Record(InvalidParameter);
    Matrix combined = transform;
    combined.Multiply(matrix, order);
    return SetTransform(&combined);
}

Status Graphics::SetTransform(const Matrix* matrix) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (!matrix)
        return Record(InvalidParameter);
    Matrix inverse = *matrix;
    if (inverse.Invert() != Ok)
        return Record(InvalidParameter);
    transform = *matrix;
    const cairo_matrix_t m = Detail::ToCairo(transform);
    cairo_set_matrix(context->Get(), &m);
    return Ok;
}

Status Graphics::GetTransform(Matrix* matrix) const {
    if (!matrix)
        return InvalidParameter;
    *matrix = transform;
    return Ok;
}

Status Graphics::ResetTransform() {
    const Matrix identity;
    return SetTransform(&identity);
}

// ---- clip ----

Status Graphics::SetClip(const Rect& rect, CombineMode mode) { return SetClip(RectF(rect), mode); }

Status Graphics::SetClip(const RectF& rect, CombineMode mode) {
    if (Ready() != Ok)
        return InvalidParameter;
    cairo_t* cr = context->Get();
    // The world rectangle's corners in pixels, rounded to whole pixels.
    PointF corners[4] = {
        {rect.X, rect.Y}, {rect.GetRight(), rect.Y}, {rect.X, rect.GetBottom()}, {rect.GetRight(), rect.GetBottom()}};
    transform.TransformPoints(corners, 4);
    float minX = corners[0].X, maxX = corners[0].X, minY = corners[0].Y, maxY = corners[0].Y;
    for (const PointF& p : corners) {
        minX = std::min(minX, p.X), maxX = std::max(maxX, p.X);
        minY = std::min(minY, p.Y), maxY = std::max(maxY, p.Y);
    }
    const int left = int(std::floor(minX + 0.5f)), top = int(std::floor(minY + 0.5f));
    Rect device(left, top, int(std::floor(maxX + 0.5f)) - left, int(std::floor(maxY + 0.5f)) - top);
    if (mode == CombineModeIntersect && context->hasClip)
        Rect::Intersect(device, device, context->clip);
    device.Width = std::max(device.Width, 0);
    device.Height = std::max(device.Height, 0);
    context->hasClip = true;
    context->clip = device;

    cairo_reset_clip(cr);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, device.X, device.Y, device.Width, device.Height);
    cairo_restore(cr);
    cairo_clip(cr);
    return Ok;
}

Status Graphics::ResetClip() {
    if (Ready() != Ok)
        return InvalidParameter;
    context->hasClip = false;
    cairo_reset_clip(context->Get());
    return Ok;
}

Status Graphics::GetClipBounds(Rect* rect) const {
    if (!rect || !context)
        return InvalidParameter;
    Rect device = context->clip;
    if (!context->hasClip) {
        cairo_surface_t* target = cairo_get_target(context->Get());
        device = Rect(0, 0, cairo_image_surface_get_width(target), cairo_image_surface_get_height(target));
    }
    Matrix inverse = transform;
    if (inverse.Invert() != Ok)
        return InvalidParameter;
    PointF corners[4] = {PointF(float(device.X), float(device.Y)), PointF(float(device.GetRight()), float(device.Y)),
                         PointF(float(device.X), float(device.GetBottom())),
                         PointF(float(device.GetRight()), float(device.GetBottom()))};
    inverse.TransformPoints(corners, 4);
    float minX = corners[0].X, maxX = corners[0].X, minY = corners[0].Y, maxY = corners[0].Y;
    for (const PointF& p : corners) {
        minX = std::min(minX, p.X), maxX = std::max(maxX, p.X);
        minY = std::min(minY, p.Y), maxY = std::max(maxY, p.Y);
    }
    const int left = int(std::floor(minX)), top = int(std::floor(minY));
    *rect = Rect(left, top, int(std::ceil(maxX)) - left, int(std::ceil(maxY)) - top);
    return Ok;
}

bool Graphics::IsClipEmpty() const { return context && context->hasClip && context->clip.IsEmptyArea(); }

}   // namespace Gdiplus
