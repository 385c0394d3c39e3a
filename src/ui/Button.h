// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A theme image with a caption that reports a click: a press inside arms it, a later release
// inside clicks.

#include <string>

#include "ui/ClickableControl.h"

class Button : public ClickableControl {
public:
    Button(::StyleId style, ContainerControl* parent);

    // The theme image's size, else 100 x 25 when the style has no image.
    int GetWidth() const override;
    int GetHeight() const override;

    std::string Text;

protected:
    void Paint(Gdiplus::Graphics& g, int x, int y, int w, int h) override;
};
