// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A theme image with a caption and no input: strip end pieces, page captions, the clock.

#include <string>

#include "ui/Control.h"

class Label : public Control {
public:
    Label(::StyleId style, ContainerControl* parent);

    // The theme image's size, else 100 x 25 when the style has no image.
    int GetWidth() const override;
    int GetHeight() const override;

    std::string Text;

protected:
    void Paint(Gdiplus::Graphics& g, int x, int y, int w, int h) override;
};
