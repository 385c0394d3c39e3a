// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ClickableControl.h"

#include "ui/ContainerControl.h"
#include "ui/NotifyCode.h"

bool ClickableControl::OnMouseDown(int x, int y) {
    if (!HitTest(x, y))
        return false;
    Pressed = true;
    return true;
}

bool ClickableControl::OnMouseUp(int x, int y) {
    if (!Pressed || !HitTest(x, y))
        return false;
    Pressed = false;
    if (Parent)
        Parent->OnNotify(NotifyClick, this, this);
    return true;
}
