// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinnedLook.h"

#include "gfx/Graphics.h"
#include "ui/Control.h"
#include "ui/SharedDrawing.h"

namespace {
const Gdiplus::Size kFallbackSize(100, 25);
}   // namespace

Gdiplus::Size SkinnedSize(StyleId style) { return Theme::NaturalSize(style, kFallbackSize); }

void PaintSkinned(Gdiplus::Graphics& g, const Control& control, ImageState look, const std::string& caption) {
    if (Gdiplus::Bitmap* image = Theme::Image(control.StyleId, look))
        g.DrawImage(image, control.Bounds);
    DrawCaption(g, control, caption);
}
