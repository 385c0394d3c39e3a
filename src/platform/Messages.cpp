// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Messages.h"

#include "platform/core/WindowSystem.h"

namespace {

WindowSystem* System() { return WindowSystem::Current(); }

}   // namespace

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return System() ? System()->SendMessage(window, message, wParam, lParam) : 0;
}

bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return System() && System()->PostMessage(window, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    if (System())
        System()->PostQuitMessage(exitCode);
}

bool GetMessage(MSG& msg) {
    if (!System()) {
        msg = MSG{};
        msg.message = WM_QUIT;
        return false;
    }
    System()->GetMessage(msg, true, true);
    return msg.message != WM_QUIT;
}

bool PeekMessage(MSG& msg, UINT removeFlags) {
    return System() && System()->GetMessage(msg, false, (removeFlags & PM_REMOVE) != 0);
}

bool TranslateMessage(const MSG&) { return false; }

LRESULT DispatchMessage(const MSG& msg) {
    if (!System() || !msg.hwnd)
        return 0;
    if (msg.message == WM_PAINT) {
        // A window that does not validate itself would be asked again at once.
        const LRESULT result = System()->SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
        System()->Paint().Validate(msg.hwnd);
        return result;
    }
    return System()->SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs) {
    return System() ? System()->SetTimer(window, id, elapseMs) : 0;
}

bool KillTimer(HWND window, UINT_PTR id) { return System() && System()->KillTimer(window, id); }

uint32_t GetTickCount() { return System() ? System()->NativeBackend().Now() : 0; }
