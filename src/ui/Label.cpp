// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Label.h"

#include "ui/SkinnedLook.h"

Label::Label(::StyleId style, ContainerControl* parent) : Control(style, parent) {}

int Label::GetWidth() const { return Width.HasValue ? Width.Value() : SkinnedSize(StyleId).Width; }

int Label::GetHeight() const { return Height.HasValue ? Height.Value() : SkinnedSize(StyleId).Height; }

void Label::Paint(Gdiplus::Graphics& g, int, int, int, int) {
    try {
        PaintSkinned(g, *this, ImageState::Checked, Text);
    } catch (...) {
        // Containment point of label painting: a label that cannot draw stays blank.
    }
}
