// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowApi.h"

#include "platform/core/WindowSystem.h"

namespace {

WindowSystem* System() { return WindowSystem::Current(); }

}   // namespace

bool RegisterClass(const WNDCLASS& windowClass) { return System() && System()->RegisterClass(windowClass); }

bool GetClassInfo(const std::string& className, WNDCLASS& windowClass) {
    return System() && System()->GetClassInfo(className, windowClass);
}

HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, void* createParams) {
    if (!System())
        return nullptr;
    return System()->CreateWindowEx(exStyle, className, windowName, style, x, y, width, height, parent, createParams);
}

bool DestroyWindow(HWND window) { return System() && System()->DestroyWindow(window); }

bool IsWindow(HWND window) { return System() && System()->IsWindow(window); }

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return System() ? System()->DefWindowProc(window, message, wParam, lParam) : 0;
}

intptr_t SetWindowLongPtr(HWND window, int index, intptr_t value) {
    if (!System() || index != GWLP_USERDATA)
        return 0;
    return System()->SetUserData(window, value);
}

intptr_t GetWindowLongPtr(HWND window, int index) {
    if (!System() || index != GWLP_USERDATA)
        return 0;
    return System()->GetUserData(window);
}

HWND GetParent(HWND window) { return System() ? System()->GetParent(window) : nullptr; }

HWND GetAncestorRoot(HWND window) { return System() ? System()->GetRoot(window) : nullptr; }

std::string GetClassName(HWND window) { return System() ? System()->GetClassName(window) : std::string(); }

bool ShowWindow(HWND window, int command) { return System() && System()->ShowWindow(window, command); }

bool IsWindowVisible(HWND window) { return System() && System()->IsWindowVisible(window); }

bool IsIconic(HWND window) { return System() && System()->IsIconic(window); }

bool IsZoomed(HWND window) { return System() && System()->IsZoomed(window); }

bool EnableWindow(HWND window, bool enable) { return System() && System()->EnableWindow(window, enable); }

bool IsWindowEnabled(HWND window) { return System() && System()->IsWindowEnabled(window); }

bool SetWindowText(HWND window, const std::string& text) { return System() && System()->SetWindowText(window, text); }

std::string GetWindowText(HWND window) { return System() ? System()->GetWindowText(window) : std::string(); }

bool GetClientRect(HWND window, RECT& rect) { return System() && System()->GetClientRect(window, rect); }

bool GetWindowRect(HWND window, RECT& rect) { return System() && System()->GetWindowRect(window, rect); }

bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint) {
    return System() && System()->SetWindowPos(window, x, y, width, height,
                                              SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool SetWindowPos(HWND window, HWND, int x, int y, int width, int height, UINT flags) {
    return System() && System()->SetWindowPos(window, x, y, width, height, flags);
}

bool ClientToScreen(HWND window, POINT& point) { return System() && System()->ClientToScreen(window, point); }

bool ScreenToClient(HWND window, POINT& point) { return System() && System()->ScreenToClient(window, point); }

HWND GetActiveWindow() { return System() ? System()->GetActiveWindow() : nullptr; }

HWND SetActiveWindow(HWND window) { return System() ? System()->SetActiveWindow(window) : nullptr; }
