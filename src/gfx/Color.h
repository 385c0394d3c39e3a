// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A 32-bit colour with straight (not premultiplied) alpha, written as 0xAARRGGBB.

#include "gfx/GdiplusTypes.h"

namespace Gdiplus {

class Color {
public:
    Color() = default;
    Color(ARGB argb) : argb(argb) {}
    Color(BYTE r, BYTE g, BYTE b) : Color(255, r, g, b) {}
    Color(BYTE a, BYTE r, BYTE g, BYTE b) : argb((ARGB(a) << 24) | (ARGB(r) << 16) | (ARGB(g) << 8) | ARGB(b)) {}

    ARGB GetValue() const { return argb; }
    void SetValue(ARGB value) { argb = value; }
    BYTE GetA() const { return BYTE(argb >> 24); }
    BYTE GetR() const { return BYTE(argb >> 16); }
    BYTE GetG() const { return BYTE(argb >> 8); }
    BYTE GetB() const { return BYTE(argb); }
    bool operator==(const Color&) const = default;

    static constexpr ARGB Black = 0xFF000000;
    static constexpr ARGB White = 0xFFFFFFFF;
    static constexpr ARGB Transparent = 0x00FFFFFF;

private:
    ARGB argb = 0xFF000000;
};

}   // namespace Gdiplus
