// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A button with two looks and two captions; its owner sets the state, the button only reports
// clicks.

#include <string>

#include "ui/ClickableControl.h"

class MultiStateButton : public ClickableControl {
public:
    static constexpr int kChecked = 0;
    static constexpr int kUnchecked = 1;

    MultiStateButton(::StyleId style, ContainerControl* parent);

    // Always the checked image's size, whatever the state; 100 x 25 when the style has none.
    int GetWidth() const override;
    int GetHeight() const override;

    int State = kChecked;   // any other value shows the unchecked image and no caption
    std::string CheckedText;
    std::string UncheckedText;

protected:
    void Paint(Gdiplus::Graphics& g, int x, int y, int w, int h) override;
};
