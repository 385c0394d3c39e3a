// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing objects every control shares: created on first use, kept for the life of the
// process, recoloured by each user right before use.

#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "gfx/Pen.h"
#include "gfx/SolidBrush.h"
#include "gfx/StringFormat.h"
#include "ui/StyleId.h"

namespace Gdiplus {
class Graphics;
}
class Control;

// Arial (or the generic sans-serif family when Arial is missing), regular, in pixels: 12 for the
// page label of a list view, 15 for every other style.
const Gdiplus::Font& GetControlFont(const Control& control);
const Gdiplus::Font& GetStyleFont(StyleId style);

// One string format, centred both ways, used for every caption.
const Gdiplus::StringFormat& CenteredStringFormat();

// The shared solid brush and pen, set to the colour (and width) the caller asks for.
Gdiplus::SolidBrush& SharedSolidBrush(Gdiplus::ARGB color);
Gdiplus::Pen& SharedPen(Gdiplus::ARGB color, float width);

// The second brush, used only for a plain container's background (opaque dark blue).
Gdiplus::SolidBrush& ContainerBackgroundBrush();

// A transparent 1 x 1 bitmap that stands in for a theme image whose file cannot be loaded.
Gdiplus::Bitmap* PlaceholderBitmap();

// Page background colours: the list view is darker than every page and panel.
inline constexpr Gdiplus::ARGB kListViewBackground = 0xFF675885;
inline constexpr Gdiplus::ARGB kPageBackground = 0xFF7856C8;
inline constexpr Gdiplus::ARGB kContainerBackground = 0xFF00008B;
inline constexpr Gdiplus::ARGB kCaptionColor = 0xFFFFFFFF;
Gdiplus::ARGB BackgroundColor(StyleId style);

// A caption in white, centred in the rectangle, wrapped at word boundaries and clipped to it;
// an empty text draws nothing.
void DrawCaption(Gdiplus::Graphics& g, const Control& control, const std::string& text);
