// SPDX-License-Identifier: GPL-3.0-or-later
// Changing a window's properties: user data, visibility, enabling, text, position and size,
// and the active window. What can be asked without a change is in WindowTree.cpp; lifecycle
// and native events are in WindowSystem.cpp.

#include <algorithm>
#include <utility>

#include "platform/core/WindowSystem.h"

intptr_t WindowSystem::SetUserData(HWND window, intptr_t value) {
    WindowRecord* w = Find(window);
    if (!w)
        return 0;
    return std::exchange(w->userData, value);
}

bool WindowSystem::ShowWindow(HWND window, int command) {
    WindowRecord* w = Find(window);
    if (!w)
        return false;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;

    if (w->Child()) {
        if (show == wasVisible)
            return wasVisible;
        CallProc(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (!(w = Find(window)))
            return wasVisible;
        if (show) {
            w->style |= WS_VISIBLE;
            painting.InvalidateTree(window);
        } else {
            painting.InvalidateParentArea(*w);
            w->style &= ~WS_VISIBLE;
            const HWND capture = input.GetCapture();
            if (capture && (capture == window || !IsWindowVisible(capture)))
                input.ReleaseCapture();
        }
        return wasVisible;
    }

    if (show != wasVisible) {
        CallProc(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (!(w = Find(window)))
            return wasVisible;
    }
    if (!show) {
        w->style &= ~WS_VISIBLE;
        backend->ShowNative(window, NativeShow::Hide);
        if (activeWindow == window)
            activeWindow = Find(w->owner) ? w->owner : nullptr;
        return wasVisible;
    }
    w->style |= WS_VISIBLE;
    switch (command) {
    case SW_SHOWMAXIMIZED:
        backend->ShowNative(window, NativeShow::Maximize);
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        backend->ShowNative(window, NativeShow::Minimize);
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        backend->ShowNative(window, NativeShow::Restore);
        break;
    default:
        backend->ShowNative(window, NativeShow::Show);
        break;
    }
    if (command != SW_MINIMIZE && command != SW_SHOWMINIMIZED && command != SW_SHOWNOACTIVATE)
        SetActiveWindow(window);
    painting.InvalidateTree(window);
    return wasVisible;
}

bool WindowSystem::EnableWindow(HWND window, bool enable) {
    WindowRecord* w = Find(window);
    if (!w)
        return false;
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable)
        return wasDisabled;
    if (enable)
        w->style &= ~WS_DISABLED;
    else
        w->style |= WS_DISABLED;
    if (!enable && input.GetCapture() && GetRoot(input.GetCapture()) == GetRoot(window))
        input.ReleaseCapture();
    CallProc(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

bool WindowSystem::SetWindowText(HWND window, const std::string& text) {
    WindowRecord* w = Find(window);
    if (!w)
        return false;
    w->text = text;
    if (!w->Child())
        backend->SetNativeText(window, text);
    return true;
}

bool WindowSystem::SetWindowPos(HWND window, int x, int y, int width, int height, UINT flags) {
    WindowRecord* w = Find(window);
    if (!w)
        return false;
    RECT rect = w->rect;
    if (!(flags & SWP_NOMOVE))
        rect = Region::Offset(rect, x - rect.left, y - rect.top);
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(width, 0);
        rect.bottom = rect.top + std::max(height, 0);
    }
    const bool redraw = !(flags & SWP_NOREDRAW);
    if (w->Child() && redraw && IsWindowVisible(window))
        painting.InvalidateParentArea(*w);
    if (!w->Child()) {
        w->maximized = false;
        backend->MoveNative(window, rect);
    }
    Resize(window, rect, std::nullopt);
    if ((w = Find(window)) && redraw)
        painting.InvalidateTree(window);
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(window, SW_SHOWNOACTIVATE);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(window, SW_HIDE);
    return true;
}

// Sets the rectangle and sends WM_SIZE when the size or the kind changed.
bool WindowSystem::Resize(HWND window, const RECT& rect, std::optional<WPARAM> kind) {
    WindowRecord* w = Find(window);
    if (!w)
        return false;
    const bool sizeChanged = rect.right - rect.left != w->rect.right - w->rect.left ||
                             rect.bottom - rect.top != w->rect.bottom - w->rect.top;
    w->rect = rect;
    if (!sizeChanged && !kind)
        return false;
    const WPARAM sizeKind = kind.value_or(w->maximized ? SIZE_MAXIMIZED : SIZE_RESTORED);
    const LPARAM size = sizeKind == SIZE_MINIMIZED ? 0
                                                   : MAKELPARAM(static_cast<uint32_t>(rect.right - rect.left),
                                                                static_cast<uint32_t>(rect.bottom - rect.top));
    CallProc(window, WM_SIZE, sizeKind, size);
    return true;
}

HWND WindowSystem::SetActiveWindow(HWND window) {
    const HWND previous = activeWindow;
    const HWND root = GetRoot(window);
    if (root)
        activeWindow = root;
    return previous;
}
