// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/Rectangles.h"

#include <algorithm>
#include <cmath>
#include <limits>

Gdiplus::Rect FitRect(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f) {
    // A failed image reports 0 x 0; there is nothing to keep the proportions of.
    if (a <= 0 || b <= 0)
        return Gdiplus::Rect(c, d, 0, 0);
    const int32_t g = b * e / a;
    if (f < g) {
        const int32_t width = a * f / b;
        return Gdiplus::Rect(c + (e - width) / 2, d, width, f);
    }
    return Gdiplus::Rect(c, d + (f - g) / 2, e, g);
}

Gdiplus::Rect FitOrCenter(int32_t x, int32_t y, int32_t w, int32_t h, int32_t width, int32_t height) {
    if (w < width || h < height)
        return FitRect(width, height, x, y, w, h);
    return Gdiplus::Rect(x + (w - width) / 2, y + (h - height) / 2, width, height);
}

bool UnionRect(Gdiplus::Rect& result, const Gdiplus::Rect& a, const Gdiplus::Rect& b) {
    const int32_t left = std::min(a.X, b.X);
    const int32_t top = std::min(a.Y, b.Y);
    const int32_t right = std::max(a.GetRight(), b.GetRight());
    const int32_t bottom = std::max(a.GetBottom(), b.GetBottom());
    result = Gdiplus::Rect(left, top, right - left, bottom - top);
    return !result.IsEmptyArea();
}

Gdiplus::Rect AreaRect(int32_t area, int32_t width, int32_t height) {
    const float k = std::sqrt(static_cast<float>(area) / (static_cast<float>(width) * static_cast<float>(height)));
    return Gdiplus::Rect(0, 0, RoundHalfAwayFromZero(static_cast<float>(width) * k),
                         RoundHalfAwayFromZero(k * static_cast<float>(height)));
}

int32_t RoundHalfAwayFromZero(float value) {
    // A picture without pixels makes the callers' quotients 0 / 0; converting NaN or a value
    // out of range to an integer is undefined, so NaN gives 0 and the rest saturates.
    if (std::isnan(value))
        return 0;
    // The half is added in double so a float just below n + 0.5 cannot round up to n + 1.
    const double v = std::trunc(value) == value ? value : value < 0 ? value - 0.5 : value + 0.5;
    return static_cast<int32_t>(
        std::clamp<double>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
