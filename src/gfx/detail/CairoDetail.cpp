// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/detail/CairoDetail.h"

#include "gfx/Bitmap.h"
#include "gfx/Brush.h"
#include "gfx/GraphicsPath.h"
#include "gfx/Matrix.h"
#include "gfx/SolidBrush.h"
#include "gfx/TextureBrush.h"

namespace Gdiplus::Detail {

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

void SetSourceColour(cairo_t* cr, const Color& c) {
    cairo_set_source_rgba(cr, c.GetR() / 255.0, c.GetG() / 255.0, c.GetB() / 255.0, c.GetA() / 255.0);
}

bool SetSourceBrush(cairo_t* cr, const Brush* brush) {
    if (brush->GetType() == BrushTypeSolidColor) {
        SetSourceColour(cr, static_cast<const SolidBrush*>(brush)->GetColorValue());
        return true;
    }
    const PatternHolder* pattern = Access::Pattern(*static_cast<const TextureBrush*>(brush));
    if (!pattern)
        return false;
    cairo_set_source(cr, pattern->Get());
    return true;
}

PangoLayout* Context::Layout() {
    if (!layout)
        layout.reset(pango_cairo_create_layout(cairo.get()));
    return layout.get();
}

void AppendPath(cairo_t* cr, const GraphicsPath& path) {
    cairo_new_path(cr);
    const std::vector<PointF>& points = path.Points();
    const std::vector<uint8_t>& types = path.Types();
    for (size_t i = 0; i < points.size(); ++i) {
        const int kind = types[i] & 0x07;
        size_t last = i;
        if (kind == GraphicsPath::TypeStart) {
            cairo_move_to(cr, points[i].X, points[i].Y);
        } else if (kind == GraphicsPath::TypeBezier && i + 2 < points.size()) {
            cairo_curve_to(cr, points[i].X, points[i].Y, points[i + 1].X, points[i + 1].Y, points[i + 2].X,
                           points[i + 2].Y);
            last = i + 2;
        } else {
            cairo_line_to(cr, points[i].X, points[i].Y);
        }
        if (types[last] & GraphicsPath::TypeCloseSubpath)
            cairo_close_path(cr);
        i = last;
    }
}

void RasterisePath(const GraphicsPath& path, PathMask& mask) {
    const Rect& area = mask.bounds;
    if (int64_t(area.Width) * area.Height > Bitmap::kMaxPixels)
        return;
    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_A8, area.Width, area.Height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return;
    ContextPtr cr(cairo_create(surface.get()));
    cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr.get(),
                        path.GetFillMode() == FillModeAlternate ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    cairo_translate(cr.get(), -area.X, -area.Y);
    AppendPath(cr.get(), path);
    cairo_set_source_rgba(cr.get(), 0, 0, 0, 1);
    cairo_fill(cr.get());
    cairo_surface_flush(surface.get());
    const uint8_t* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    const size_t count = size_t(area.Width) * size_t(area.Height);
    mask.bits.assign((count + 63) / 64, 0);
    size_t i = 0;
    for (int row = 0; row < area.Height; ++row) {
        const uint8_t* line = data + size_t(row) * size_t(stride);
        for (int column = 0; column < area.Width; ++column, ++i)
            if (line[column])
                mask.bits[i / 64] |= uint64_t(1) << (i % 64);
    }
}

}   // namespace Gdiplus::Detail
