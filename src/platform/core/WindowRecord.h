// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One window as the window tree keeps it, and the handle arithmetic the core shares.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/WindowClassLock.h"

// Window handles are multiples of this step; the bits below it tag device contexts.
inline constexpr uintptr_t kHandleStep = 4;

inline uintptr_t HandleValue(const void* handle) { return reinterpret_cast<uintptr_t>(handle); }
inline HWND ToHwnd(uintptr_t value) { return reinterpret_cast<HWND>(value); }

struct WindowRecord {
    HWND handle = nullptr;
    WNDCLASS windowClass;
    HWND parent = nullptr;        // child windows
    HWND owner = nullptr;         // owned top-level windows
    std::vector<HWND> children;   // in creation order: later ones lie on top
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect;   // parent client coordinates for children, screen for top-level windows
    std::string text;
    bool minimized = false;
    bool maximized = false;
    bool destroying = false;
    intptr_t userData = 0;
    std::unique_ptr<WindowClassLock> classLock;   // top-level windows only

    // The area still to paint; kept by Painting.
    bool invalid = false;
    bool eraseNeeded = false;
    RECT invalidRect;

    bool Child() const { return (style & WS_CHILD) != 0; }
    // The client rectangle at (0, 0), whatever the state.
    RECT ClientArea() const { return {0, 0, rect.right - rect.left, rect.bottom - rect.top}; }
};
