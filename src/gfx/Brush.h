// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of the brushes that fill rectangles, paths and text.

#include "gfx/GdiplusTypes.h"

namespace Gdiplus {

class Brush {
public:
    virtual ~Brush() = default;
    Brush(const Brush&) = delete;
    Brush& operator=(const Brush&) = delete;

    BrushType GetType() const { return type; }
    Status GetLastStatus();

protected:
    explicit Brush(BrushType type) : type(type) {}
    Status Record(Status status) const;

private:
    BrushType type;
    mutable Status lastStatus = Ok;
};

}   // namespace Gdiplus
