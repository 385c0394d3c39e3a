#include "platform/Input.h"

#include "platform/WindowSystem.h"

namespace {

WindowSystem* System() { return WindowSystem::Current(); }

}  // namespace

HWND SetCapture(HWND window) { return System() ? System()->SetCapture(window) : nullptr; }

bool ReleaseCapture() { return System() && System()->ReleaseCapture(); }

HWND GetCapture() { return System() ? System()->GetCapture() : nullptr; }

bool GetCursorPos(POINT& point) {
    return System() && System()->NativeBackend().CursorPos(point);
}

HCURSOR LoadCursor(SystemCursor cursor) {
    // Handle values 1 and 2; null stands for "no cursor set yet", shown as the arrow.
    return reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(cursor) + 1);
}

HCURSOR SetCursor(HCURSOR cursor) { return System() ? System()->SetCursor(cursor) : nullptr; }

HCURSOR GetCursor() { return System() ? System()->GetCursor() : nullptr; }
