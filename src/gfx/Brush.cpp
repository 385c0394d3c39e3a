// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/Brush.h"

#include "gfx/SolidBrush.h"
#include "gfx/TextureBrush.h"
#include "gfx/detail/CairoDetail.h"

namespace Gdiplus {

Status Brush::GetLastStatus() {
    const Status status = lastStatus;
    lastStatus = Ok;
    return status;
}

Status Brush::Record(Status status) const {
    if (status != Ok)
        lastStatus = status;
    return status;
}

Status SolidBrush::GetColor(Color* out) const {
    if (!out)
        return Record(InvalidParameter);
    *out = color;
    return Ok;
}

Status SolidBrush::SetColor(const Color& value) {
    color = value;
    return Ok;
}

Detail::PatternHolder* Detail::Access::Pattern(const TextureBrush& brush) { return brush.pattern.get(); }

TextureBrush::TextureBrush(Bitmap* image, WrapMode wrapMode) : Brush(BrushTypeTextureFill), wrapMode(wrapMode) {
    const Detail::SurfaceHolder* surface = Detail::Access::Surface(image);
    if (!surface) {
        Record(InvalidParameter);
        return;
    }
    // The pattern holds its own reference on the surface.
    Detail::PatternPtr created(cairo_pattern_create_for_surface(surface->Get()));
    if (cairo_pattern_status(created.get()) != CAIRO_STATUS_SUCCESS) {
        Record(OutOfMemory);
        return;
    }
    // Texture pixels are copied, never blended with their neighbours, so a cut piece holds
    // exactly the picture's pixels.
    cairo_pattern_set_filter(created.get(), CAIRO_FILTER_NEAREST);
    pattern = std::make_unique<Detail::PatternHolder>(std::move(created));
    UpdatePattern();
}

TextureBrush::~TextureBrush() = default;

Status TextureBrush::SetWrapMode(WrapMode mode) {
    wrapMode = mode;
    UpdatePattern();
    return Ok;
}

Status TextureBrush::TranslateTransform(float dx, float dy, MatrixOrder order) {
    const Status status = transform.Translate(dx, dy, order);
    UpdatePattern();
    return status;
}

Status TextureBrush::SetTransform(const Matrix* matrix) {
    if (!matrix)
        return Record(InvalidParameter);
    Matrix inverse = *matrix;
    if (inverse.Invert() != Ok)
        return Record(InvalidParameter);
    transform = *matrix;
    UpdatePattern();
    return Ok;
}

Status TextureBrush::GetTransform(Matrix* matrix) const {
    if (!matrix)
        return Record(InvalidParameter);
    *matrix = transform;
    return Ok;
}

Status TextureBrush::ResetTransform() {
    transform.Reset();
    UpdatePattern();
    return Ok;
}

void TextureBrush::UpdatePattern() {
    if (!pattern)
        return;
    cairo_extend_t extend = CAIRO_EXTEND_REPEAT;
    if (wrapMode == WrapModeClamp)
        extend = CAIRO_EXTEND_NONE;
    else if (wrapMode == WrapModeTileFlipXY)
        extend = CAIRO_EXTEND_REFLECT;
    cairo_pattern_set_extend(pattern->Get(), extend);
    // cairo's pattern matrix maps user space to the texture: the inverse of the brush transform.
    Matrix inverse = transform;
    if (inverse.Invert() != Ok)
        inverse.Reset();
    const cairo_matrix_t m = Detail::ToCairo(inverse);
    cairo_pattern_set_matrix(pattern->Get(), &m);
}

}   // namespace Gdiplus
