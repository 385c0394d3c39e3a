// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pen for outlines and lines: colour and width in world units, flat caps, mitred joins.

#include "gfx/Color.h"
#include "gfx/GdiplusTypes.h"

namespace Gdiplus {

class Pen {
public:
    explicit Pen(const Color& color, float width = 1.0f) : color(color), width(width) {}

    Status SetColor(const Color& value);
    Status GetColor(Color* out) const;
    Color GetColorValue() const { return color; }
    Status SetWidth(float value);
    float GetWidth() const { return width; }
    Status GetLastStatus();

private:
    Color color;
    float width;
    Status lastStatus = Ok;
};

}   // namespace Gdiplus
