// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Input.h"

#include "platform/core/WindowSystem.h"

namespace {

WindowSystem* System() { return WindowSystem::Current(); }

}   // namespace

HWND SetCapture(HWND window) { return System() ? System()->Input().SetCapture(window) : nullptr; }

bool ReleaseCapture() { return System() && System()->Input().ReleaseCapture(); }

HWND GetCapture() { return System() ? System()->Input().GetCapture() : nullptr; }

bool GetCursorPos(POINT& point) { return System() && System()->NativeBackend().CursorPos(point); }

HCURSOR LoadCursor(SystemCursor cursor) { return SystemCursorHandle(cursor); }

HCURSOR SetCursor(HCURSOR cursor) { return System() ? System()->Input().SetCursor(cursor) : nullptr; }
