// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How text is placed in its layout rectangle: alignment along and across the lines, flags.

#include "gfx/GdiplusTypes.h"

namespace Gdiplus {

class StringFormat {
public:
    // Flags combine StringFormatFlags values; 0 wraps at word boundaries and clips to the rectangle.
    explicit StringFormat(int formatFlags = 0) : flags(formatFlags) {}

    Status SetAlignment(StringAlignment value) {
        alignment = value;
        return Ok;
    }
    StringAlignment GetAlignment() const { return alignment; }
    Status SetLineAlignment(StringAlignment value) {
        lineAlignment = value;
        return Ok;
    }
    StringAlignment GetLineAlignment() const { return lineAlignment; }
    Status SetFormatFlags(int value) {
        flags = value;
        return Ok;
    }
    int GetFormatFlags() const { return flags; }
    Status GetLastStatus() const { return Ok; }

private:
    int flags;
    StringAlignment alignment = StringAlignmentNear;
    StringAlignment lineAlignment = StringAlignmentNear;
};

}   // namespace Gdiplus
