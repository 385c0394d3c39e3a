// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CursorPosition.h"

#include "foundation/ApplicationException.h"
#include "platform/Input.h"
#include "platform/WindowApi.h"

POINT Util::GetCursorPositionPOINT(HWND window) {
    POINT point;
    if (!GetCursorPos(point))
        RaiseError("Util::GetCursorPositionPOINT (22)");
    if (!ScreenToClient(window, point))
        RaiseError("Util::GetCursorPositionPOINT (24)");
    return point;
}
