// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MultiStateButton.h"

#include "ui/SkinnedLook.h"

MultiStateButton::MultiStateButton(::StyleId style, ContainerControl* parent) : ClickableControl(style, parent) {}

int MultiStateButton::GetWidth() const { return Width.HasValue ? Width.Value() : SkinnedSize(StyleId).Width; }

int MultiStateButton::GetHeight() const { return Height.HasValue ? Height.Value() : SkinnedSize(StyleId).Height; }

void MultiStateButton::Paint(Gdiplus::Graphics& g, int, int, int, int) {
    const ImageState look = State == kChecked ? ImageState::Checked : ImageState::Unchecked;
    const std::string none;   // any other state shows no caption
    PaintSkinned(g, *this, look, State == kChecked ? CheckedText : State == kUnchecked ? UncheckedText : none);
}
