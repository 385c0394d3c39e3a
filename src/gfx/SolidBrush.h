// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A brush of one colour; shared brushes are recoloured in place before each use.

#include "gfx/Brush.h"
#include "gfx/Color.h"

namespace Gdiplus {

class SolidBrush : public Brush {
public:
    explicit SolidBrush(const Color& color) : Brush(BrushTypeSolidColor), color(color) {}

    Status GetColor(Color* out) const;
    Color GetColorValue() const { return color; }
    Status SetColor(const Color& value);

private:
    Color color;
};

}   // namespace Gdiplus
