// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The click rule both buttons share: a press inside arms, a later release inside clicks.

#include "ui/Control.h"

class ClickableControl : public Control {
public:
    using Control::Control;

    bool Pressed = false;

protected:
    bool OnMouseDown(int x, int y) override;
    // A release outside leaves the control armed; the next release inside still clicks.
    bool OnMouseUp(int x, int y) override;
};
