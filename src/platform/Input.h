// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mouse capture, the cursor position and the system cursors.

#include "platform/WinTypes.h"

// While a window holds the capture, every mouse move and button message goes to it, wherever
// the pointer is, with client coordinates that may be negative or beyond its size.
HWND SetCapture(HWND window);   // returns the previous capture window
bool ReleaseCapture();
HWND GetCapture();

// The cursor position in screen coordinates.
bool GetCursorPos(POINT& point);

// The handle of a system cursor (SystemCursor: the arrow and the wait cursor).
HCURSOR LoadCursor(SystemCursor cursor);
HCURSOR SetCursor(HCURSOR cursor);   // returns the previous cursor
