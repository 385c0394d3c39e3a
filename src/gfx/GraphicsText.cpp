// SPDX-License-Identifier: GPL-3.0-or-later
// Graphics: laying out, drawing and measuring text with pango.

#include "gfx/Graphics.h"

#include <algorithm>
#include <cstring>

#include "gfx/Font.h"
#include "gfx/StringFormat.h"
#include "gfx/detail/CairoDetail.h"

namespace Gdiplus {

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
    pango_layout_set_font_description(layout, Detail::Access::Description(*font).Get());
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

}   // namespace

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
    if (!Detail::SetSourceBrush(cr, brush))
        return Record(InvalidParameter);
    const bool clip = !(format && (format->GetFormatFlags() & StringFormatFlagsNoClip)) && layoutRect.Width > 0.0f &&
                      layoutRect.Height > 0.0f;
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
    *boundingBox =
        RectF(float(p.x + p.logical.x), float(p.y + p.logical.y), float(p.logical.width), float(p.logical.height));
    if (linesFilled)
        *linesFilled = text.empty() ? 0 : p.lines;
    return Ok;
}

}   // namespace Gdiplus
