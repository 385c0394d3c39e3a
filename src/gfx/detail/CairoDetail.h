// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internal to the drawing layer: the cairo and pango objects behind the public classes, and
// the helpers its drawing code shares.

#include <cairo.h>
#include <pango/pangocairo.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/UniqueHandle.h"
#include "gfx/Color.h"
#include "gfx/GdiplusTypes.h"

namespace Gdiplus {

class Bitmap;
class Brush;
class Font;
class GraphicsPath;
class Matrix;
class TextureBrush;

namespace Detail {

using SurfacePtr = UniqueHandle<cairo_surface_t, cairo_surface_destroy>;
using ContextPtr = UniqueHandle<cairo_t, cairo_destroy>;
using PatternPtr = UniqueHandle<cairo_pattern_t, cairo_pattern_destroy>;
using LayoutPtr = UniqueHandle<PangoLayout, g_object_unref>;

// A premultiplied ARGB32 image surface; cairo reference-counts it, so patterns made from it
// keep the pixels alive after the Bitmap is gone.
class SurfaceHolder {
public:
    explicit SurfaceHolder(SurfacePtr surface) : surface(std::move(surface)) {}
    cairo_surface_t* Get() const { return surface.get(); }
    int Width() const { return cairo_image_surface_get_width(surface.get()); }
    int Height() const { return cairo_image_surface_get_height(surface.get()); }

private:
    SurfacePtr surface;
};

class PatternHolder {
public:
    explicit PatternHolder(PatternPtr pattern) : pattern(std::move(pattern)) {}
    cairo_pattern_t* Get() const { return pattern.get(); }

private:
    PatternPtr pattern;
};

class FontDescription {
public:
    explicit FontDescription(PangoFontDescription* description) : description(description) {}
    const PangoFontDescription* Get() const { return description.get(); }

private:
    UniqueHandle<PangoFontDescription, pango_font_description_free> description;
};

// The cairo context of one Graphics, with the pango layout it reuses for text.
class Context {
public:
    explicit Context(ContextPtr cairo) : cairo(std::move(cairo)) {}
    cairo_t* Get() const { return cairo.get(); }
    PangoLayout* Layout();

    bool textOptionsApplied = false;   // the layout's font options follow the text hint
    bool hasClip = false;
    Rect clip;   // in pixels, meaningful when hasClip

private:
    ContextPtr cairo;
    LayoutPtr layout;
};

// The pixels a fill of a path paints, rasterised once for the integer point-inside test:
// one bit per pixel of the bounds, row by row.
class PathMask {
public:
    bool Painted(int x, int y) const {
        if (!bounds.Contains(x, y) || bits.empty())
            return false;
        const size_t i = size_t(y - bounds.Y) * size_t(bounds.Width) + size_t(x - bounds.X);
        return (bits[i / 64] >> (i % 64)) & 1u;
    }

    Rect bounds;
    std::vector<uint64_t> bits;
};

// The cairo objects behind the public classes: those classes let only the drawing layer's
// own code reach them, through here.
struct Access {
    static SurfaceHolder* Surface(const Bitmap* bitmap);        // null for no bitmap or a failed one
    static PatternHolder* Pattern(const TextureBrush& brush);   // null when the image was unusable
    static const FontDescription& Description(const Font& font);
};

cairo_matrix_t ToCairo(const Matrix& matrix);
// Replaces the context's path by the figures of the path (in the context's user space).
void AppendPath(cairo_t* cr, const GraphicsPath& path);
cairo_antialias_t AntialiasFor(SmoothingMode mode);
void SetSourceColour(cairo_t* cr, const Color& colour);
// The brush as the context's source, in the current user space; false for a texture brush
// without a usable image.
bool SetSourceBrush(cairo_t* cr, const Brush* brush);
// Fills the path without anti-aliasing over the area, exactly as FillPath paints it under
// smoothing mode 1, and keeps which pixels were painted; no bits when the area is too large.
void RasterisePath(const GraphicsPath& path, PathMask& mask);

}   // namespace Detail
}   // namespace Gdiplus
