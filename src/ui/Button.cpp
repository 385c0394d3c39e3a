// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Button.h"

#include "ui/SkinnedLook.h"

Button::Button(::StyleId style, ContainerControl* parent) : ClickableControl(style, parent) {}

int Button::GetWidth() const { return Width.HasValue ? Width.Value() : SkinnedSize(StyleId).Width; }

int Button::GetHeight() const { return Height.HasValue ? Height.Value() : SkinnedSize(StyleId).Height; }

void Button::Paint(Gdiplus::Graphics& g, int, int, int, int) {
    try {
        PaintSkinned(g, *this, ImageState::Checked, Text);
    } catch (...) {
        // Containment point of button painting: a button that cannot draw stays blank.
    }
}
