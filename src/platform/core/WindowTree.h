// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows of the process by handle, and what can be asked of them without changing
// anything: ancestry, style, visibility, text and geometry; and calling a window's procedure.
// WindowSystem builds on it with the operations that change windows.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/WinTypes.h"
#include "platform/core/WindowRecord.h"

class WindowTree {
public:
    WindowTree() = default;
    WindowTree(const WindowTree&) = delete;
    WindowTree& operator=(const WindowTree&) = delete;

    // By handle value, which is creation order.
    using WindowMap = std::map<uintptr_t, std::unique_ptr<WindowRecord>>;
    const WindowMap& Windows() const { return windows; }
    WindowRecord* Find(HWND window);
    const WindowRecord* Find(HWND window) const;
    bool IsWindow(HWND window) const { return Find(window) != nullptr; }
    // A message to the window's procedure; 0 for a window that is gone.
    LRESULT CallProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    intptr_t GetUserData(HWND window) const;
    HWND GetParent(HWND window) const;   // the parent of a child, the owner of a top-level
    HWND GetRoot(HWND window) const;     // the top-level window that holds it
    std::string GetClassName(HWND window) const;
    DWORD GetStyle(HWND window) const;   // with WS_MINIMIZE and WS_MAXIMIZE as they stand
    // Shown, and every ancestor up to the top-level window too.
    bool IsWindowVisible(HWND window) const;
    bool IsIconic(HWND window) const;
    bool IsZoomed(HWND window) const;
    bool IsWindowEnabled(HWND window) const;
    std::string GetWindowText(HWND window) const;
    bool GetClientRect(HWND window, RECT& rect) const;
    bool GetWindowRect(HWND window, RECT& rect) const;
    bool ClientToScreen(HWND window, POINT& point) const;
    bool ScreenToClient(HWND window, POINT& point) const;

protected:
    ~WindowTree() = default;

    WindowMap windows;
};
