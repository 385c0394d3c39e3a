// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rectangle helpers beside Rect, shared by the cutting code, the board, the toolkit and the
// pages: fitting, union and sizing by area, and the rounding they use.

#include <cstdint>

#include "gfx/GdiplusTypes.h"

// An a x b image fitted into the box at (c, d) of e x f, scaling up as well as down, centred
// along the axis with room to spare; every division truncates toward zero. An image with no
// area gives an empty rectangle at the box's corner instead of dividing by zero.
Gdiplus::Rect FitRect(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f);

// Places a width x height picture in the box: reduced with the aspect-preserving fit when the
// box is narrower or lower than it, otherwise unscaled and centred. Never enlarges. A picture
// without pixels that does not fit gives an empty rectangle at the box's corner.
Gdiplus::Rect FitOrCenter(int32_t x, int32_t y, int32_t w, int32_t h, int32_t width, int32_t height);

// The smallest rectangle containing a and b; true when it has positive width and height.
bool UnionRect(Gdiplus::Rect& result, const Gdiplus::Rect& a, const Gdiplus::Rect& b);

// A rectangle at (0, 0) with the proportions of width x height and about the given area.
Gdiplus::Rect AreaRect(int32_t area, int32_t width, int32_t height);

// Rounds half away from zero; whole values are unchanged. NaN gives 0; values beyond the
// 32-bit range give its ends.
int32_t RoundHalfAwayFromZero(float value);
