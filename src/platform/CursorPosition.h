// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cursor's position in a window's client coordinates.

#include "platform/WinTypes.h"

namespace Util {

// Raises "Util::GetCursorPositionPOINT (22)" when the screen position cannot be read and
// "Util::GetCursorPositionPOINT (24)" when it cannot be converted (no such window).
POINT GetCursorPositionPOINT(HWND window);

}   // namespace Util
