#include "gfx/Graphics.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gfx/Bitmap.h"
#include "gfx/Brush.h"
#include "gfx/CairoDetail.h"
#include "gfx/Font.h"
#include "gfx/GraphicsPath.h"
#include "gfx/Pen.h"
#include "gfx/SolidBrush.h"
#include "gfx/StringFormat.h"
#include "gfx/TextureBrush.h"

namespace Gdiplus {

namespace Detail {

cairo_matrix_t ToCairo(const Matrix& matrix) {
    float e[6];
    matrix.GetElements(e);
    cairo_matrix_t m;
    cairo_matrix_init(&m, e[0], e[1], e[2], e[3], e[4], e[5]);
    return m;
}

cairo_antialias_t AntialiasFor(SmoothingMode mode) {
    return mode == SmoothingModeHighQuality || mode >= SmoothingModeAntiAlias ? CAIRO_ANTIALIAS_DEFAULT
                                                                              : CAIRO_ANTIALIAS_NONE;
}

PangoLayout* Context::Layout() {
    if (!layout)
        layout.reset(pango_cairo_create_layout(cairo.get()));
    return layout.get();
}

}  // namespace Detail

namespace {

void SetColour(cairo_t* cr, const Color& c) {
    cairo_set_source_rgba(cr, c.GetR() / 255.0, c.GetG() / 255.0, c.GetB() / 255.0, c.GetA() / 255.0);
}

// The brush as the context's source, in the current user space.
bool SetSource(cairo_t* cr, const Brush* brush) {
    if (brush->GetType() == BrushTypeSolidColor) {
        SetColour(cr, static_cast<const SolidBrush*>(brush)->GetColorValue());
        return true;
    }
    const Detail::PatternHolder* pattern = static_cast<const TextureBrush*>(brush)->Pattern();
    if (!pattern)
        return false;
    cairo_set_source(cr, pattern->Get());
    return true;
}

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

}  // namespace

Graphics::Graphics(Bitmap* image) {
    if (!image || !image->Surface()) {
        lastStatus = InvalidParameter;
        return;
    }
    Detail::ContextPtr cr(cairo_create(image->Surface()->Get()));
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

Status Graphics::Ready() {
    return context ? Ok : Record(InvalidParameter);
}

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

Status Graphics::SetClip(const Rect& rect, CombineMode mode) {
    return SetClip(RectF(rect), mode);
}

Status Graphics::SetClip(const RectF& rect, CombineMode mode) {
    if (Ready() != Ok)
        return InvalidParameter;
    cairo_t* cr = context->Get();
    // The world rectangle's corners in pixels, rounded to whole pixels.
    PointF corners[4] = {{rect.X, rect.Y},
                         {rect.GetRight(), rect.Y},
                         {rect.X, rect.GetBottom()},
                         {rect.GetRight(), rect.GetBottom()}};
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
    PointF corners[4] = {PointF(float(device.X), float(device.Y)),
                         PointF(float(device.GetRight()), float(device.Y)),
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

bool Graphics::IsClipEmpty() const {
    return context && context->hasClip && context->clip.IsEmptyArea();
}

// ---- shapes ----

Status Graphics::Clear(const Color& color) {
    if (Ready() != Ok)
        return InvalidParameter;
    cairo_t* cr = context->Get();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    SetColour(cr, color);
    cairo_paint(cr);
    cairo_restore(cr);
    return Ok;
}

Status Graphics::FillRectangle(const Brush* brush, const Rect& rect) {
    return FillRectangle(brush, RectF(rect));
}

Status Graphics::FillRectangle(const Brush* brush, int x, int y, int width, int height) {
    return FillRectangle(brush, RectF(Rect(x, y, width, height)));
}

Status Graphics::FillRectangle(const Brush* brush, const RectF& rect) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (!brush)
        return Record(InvalidParameter);
    cairo_t* cr = context->Get();
    if (!SetSource(cr, brush))
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
    SetColour(cr, pen->GetColorValue());
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

}  // namespace

Status Graphics::DrawRectangle(const Pen* pen, const Rect& rect) {
    return DrawRectangle(pen, RectF(rect));
}

Status Graphics::DrawRectangle(const Pen* pen, int x, int y, int width, int height) {
    return DrawRectangle(pen, RectF(Rect(x, y, width, height)));
}

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
    if (!SetSource(cr, brush))
        return Record(InvalidParameter);
    cairo_set_fill_rule(cr, path->GetFillMode() == FillModeAlternate ? CAIRO_FILL_RULE_EVEN_ODD
                                                                     : CAIRO_FILL_RULE_WINDING);
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

// ---- images ----

Status Graphics::DrawImage(Bitmap* image, int x, int y) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (!image || !image->Surface())
        return Record(InvalidParameter);
    cairo_t* cr = context->Get();
    cairo_set_source_surface(cr, image->Surface()->Get(), x, y);
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    cairo_pattern_set_filter(cairo_get_source(cr), IsWholePixelTranslation(m) ? CAIRO_FILTER_NEAREST
                                                                             : FilterFor(interpolationMode));
    // The source does not extend beyond the image, so painting touches only the image's area.
    cairo_paint(cr);
    return Ok;
}

Status Graphics::DrawImage(Bitmap* image, float x, float y) {
    if (!image || !image->Surface())
        return Record(InvalidParameter);
    return DrawImage(image, RectF(x, y, float(image->Surface()->Width()), float(image->Surface()->Height())));
}

Status Graphics::DrawImage(Bitmap* image, const Rect& dest) {
    return DrawImage(image, RectF(dest));
}

Status Graphics::DrawImage(Bitmap* image, int x, int y, int width, int height) {
    return DrawImage(image, RectF(Rect(x, y, width, height)));
}

Status Graphics::DrawImage(Bitmap* image, const RectF& dest) {
    if (!image || !image->Surface())
        return Record(InvalidParameter);
    const Detail::SurfaceHolder* s = image->Surface();
    return DrawScaled(image, dest, RectF(0.0f, 0.0f, float(s->Width()), float(s->Height())));
}

Status Graphics::DrawImage(Bitmap* image, const Rect& dest, int srcX, int srcY, int srcWidth, int srcHeight,
                           Unit) {
    return DrawScaled(image, RectF(dest), RectF(Rect(srcX, srcY, srcWidth, srcHeight)));
}

Status Graphics::DrawScaled(Bitmap* image, const RectF& dest, const RectF& src) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (!image || !image->Surface() || src.Width <= 0.0f || src.Height <= 0.0f)
        return Record(InvalidParameter);
    if (dest.Width == 0.0f || dest.Height == 0.0f)
        return Ok;
    cairo_t* cr = context->Get();
    Detail::PatternPtr pattern(cairo_pattern_create_for_surface(image->Surface()->Get()));
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

// ---- text ----

namespace {

struct TextPlacement {
    double x = 0.0;   // where the layout's origin goes
    double y = 0.0;
    PangoRectangle logical{};   // relative to the origin
    int lines = 0;
};

PangoLayout* PrepareLayout(Detail::Context& context, TextRenderingHint hint, const char* text, int length,
                           const Font* font, const RectF& rect, const StringFormat* format, TextPlacement& out) {
    PangoLayout* layout = context.Layout();
    if (!context.textOptionsApplied) {
        cairo_font_options_t* options = cairo_font_options_create();
        const bool mono =
            hint == TextRenderingHintSingleBitPerPixel || hint == TextRenderingHintSingleBitPerPixelGridFit;
        cairo_font_options_set_antialias(options, mono ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
        cairo_font_options_destroy(options);
        pango_layout_context_changed(layout);
        context.textOptionsApplied = true;
    }
    pango_cairo_update_layout(context.Get(), layout);
    pango_layout_set_font_description(layout, font->Description()->Get());
    // Bytes that are not UTF-8 are shown as replacement characters rather than refused.
    if (g_utf8_validate(text, length, nullptr)) {
        pango_layout_set_text(layout, text, length);
    } else {
        gchar* valid = g_utf8_make_valid(text, length);
        pango_layout_set_text(layout, valid, -1);
        g_free(valid);
    }

    const int flags = format ? format->GetFormatFlags() : 0;
    const StringAlignment align = format ? format->GetAlignment() : StringAlignmentNear;
    const StringAlignment lineAlign = format ? format->GetLineAlignment() : StringAlignmentNear;
    // Wrapped text is aligned line by line inside the rectangle's width by pango; a single
    // unwrapped line is placed as a whole.
    const bool wrap = rect.Width > 0.0f && !(flags & StringFormatFlagsNoWrap);
    if (wrap) {
        pango_layout_set_width(layout, int(rect.Width * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
        pango_layout_set_alignment(layout, align == StringAlignmentCenter ? PANGO_ALIGN_CENTER
                                           : align == StringAlignmentFar  ? PANGO_ALIGN_RIGHT
                                                                          : PANGO_ALIGN_LEFT);
    } else {
        pango_layout_set_width(layout, -1);
        pango_layout_set_alignment(layout, PANGO_ALIGN_LEFT);
    }
    pango_layout_get_pixel_extents(layout, nullptr, &out.logical);
    out.lines = pango_layout_get_line_count(layout);

    const double boxWidth = std::max(rect.Width, 0.0f), boxHeight = std::max(rect.Height, 0.0f);
    out.x = rect.X;
    if (!wrap) {
        if (align == StringAlignmentCenter)
            out.x += (boxWidth - out.logical.width) / 2.0 - out.logical.x;
        else if (align == StringAlignmentFar)
            out.x += boxWidth - out.logical.width - out.logical.x;
    }
    out.y = rect.Y - out.logical.y;
    if (lineAlign == StringAlignmentCenter)
        out.y += (boxHeight - out.logical.height) / 2.0;
    else if (lineAlign == StringAlignmentFar)
        out.y += boxHeight - out.logical.height;
    return layout;
}

}  // namespace

Status Graphics::DrawString(const std::string& text, const Font* font, const RectF& layoutRect,
                            const StringFormat* format, const Brush* brush) {
    return DrawString(text.data(), int(text.size()), font, layoutRect, format, brush);
}

Status Graphics::DrawString(const char* text, int length, const Font* font, const RectF& layoutRect,
                            const StringFormat* format, const Brush* brush) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (!text || !font || !brush)
        return Record(InvalidParameter);
    if (length < 0)
        length = int(std::strlen(text));
    if (length == 0)
        return Ok;
    cairo_t* cr = context->Get();
    TextPlacement placement;
    PangoLayout* layout = PrepareLayout(*context, textHint, text, length, font, layoutRect, format, placement);
    if (!SetSource(cr, brush))
        return Record(InvalidParameter);
    const bool clip = !(format && (format->GetFormatFlags() & StringFormatFlagsNoClip)) &&
                      layoutRect.Width > 0.0f && layoutRect.Height > 0.0f;
    cairo_save(cr);
    if (clip) {
        cairo_new_path(cr);
        cairo_rectangle(cr, layoutRect.X, layoutRect.Y, layoutRect.Width, layoutRect.Height);
        cairo_clip(cr);
    }
    cairo_move_to(cr, placement.x, placement.y);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
    cairo_new_path(cr);
    return Ok;
}

Status Graphics::MeasureString(const std::string& text, const Font* font, const RectF& layoutRect,
                               const StringFormat* format, RectF* boundingBox, int* linesFilled) {
    if (Ready() != Ok)
        return InvalidParameter;
    if (!font || !boundingBox)
        return Record(InvalidParameter);
    TextPlacement p;
    PrepareLayout(*context, textHint, text.data(), int(text.size()), font, layoutRect, format, p);
    *boundingBox = RectF(float(p.x + p.logical.x), float(p.y + p.logical.y), float(p.logical.width),
                         float(p.logical.height));
    if (linesFilled)
        *linesFilled = text.empty() ? 0 : p.lines;
    return Ok;
}

}  // namespace Gdiplus
