// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look that buttons and labels share: a theme image with a caption over it.

#include <string>

#include "gfx/GdiplusTypes.h"
#include "ui/Theme.h"

namespace Gdiplus {
class Graphics;
}
class Control;

// The natural size: the style's image size, else 100 x 25 when the style has no image.
Gdiplus::Size SkinnedSize(StyleId style);

// The style's image for the look, stretched over the control's Bounds, then the caption
// (white, centred, wrapped; none when empty).
void PaintSkinned(Gdiplus::Graphics& g, const Control& control, ImageState look, const std::string& caption);
