// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/WindowTree.h"

WindowRecord* WindowTree::Find(HWND window) {
    const auto it = windows.find(HandleValue(window));
    return it == windows.end() ? nullptr : it->second.get();
}

const WindowRecord* WindowTree::Find(HWND window) const {
    const auto it = windows.find(HandleValue(window));
    return it == windows.end() ? nullptr : it->second.get();
}

LRESULT WindowTree::CallProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* w = Find(window);
    if (!w)
        return 0;
    const WNDPROC proc = w->windowClass.lpfnWndProc;
    return proc(window, message, wParam, lParam);
}

intptr_t WindowTree::GetUserData(HWND window) const {
    const WindowRecord* w = Find(window);
    return w ? w->userData : 0;
}

HWND WindowTree::GetParent(HWND window) const {
    const WindowRecord* w = Find(window);
    if (!w)
        return nullptr;
    return w->Child() ? w->parent : w->owner;
}

HWND WindowTree::GetRoot(HWND window) const {
    const WindowRecord* w = Find(window);
    while (w && w->Child())
        w = Find(w->parent);
    return w ? w->handle : nullptr;
}

std::string WindowTree::GetClassName(HWND window) const {
    const WindowRecord* w = Find(window);
    return w ? w->windowClass.className : std::string();
}

DWORD WindowTree::GetStyle(HWND window) const {
    const WindowRecord* w = Find(window);
    if (!w)
        return 0;
    DWORD style = w->style;
    if (w->minimized)
        style |= WS_MINIMIZE;
    if (w->maximized)
        style |= WS_MAXIMIZE;
    return style;
}

bool WindowTree::IsWindowVisible(HWND window) const {
    for (const WindowRecord* w = Find(window); w; w = w->Child() ? Find(w->parent) : nullptr) {
        if (!(w->style & WS_VISIBLE))
            return false;
        if (!w->Child())
            return true;
    }
    return false;
}

bool WindowTree::IsIconic(HWND window) const {
    const WindowRecord* w = Find(window);
    return w && w->minimized;
}

bool WindowTree::IsZoomed(HWND window) const {
    const WindowRecord* w = Find(window);
    return w && w->maximized;
}

bool WindowTree::IsWindowEnabled(HWND window) const {
    const WindowRecord* w = Find(window);
    return w && !(w->style & WS_DISABLED);
}

std::string WindowTree::GetWindowText(HWND window) const {
    const WindowRecord* w = Find(window);
    return w ? w->text : std::string();
}

bool WindowTree::GetClientRect(HWND window, RECT& rect) const {
    const WindowRecord* w = Find(window);
    if (!w)
        return false;
    // A minimised window has no client area; its rectangle is kept for the restore.
    if (w->minimized)
        rect = {};
    else
        rect = w->ClientArea();
    return true;
}

bool WindowTree::GetWindowRect(HWND window, RECT& rect) const {
    const WindowRecord* w = Find(window);
    if (!w)
        return false;
    POINT origin{0, 0};
    ClientToScreen(window, origin);
    rect = {origin.x, origin.y, origin.x + w->rect.right - w->rect.left, origin.y + w->rect.bottom - w->rect.top};
    return true;
}

bool WindowTree::ClientToScreen(HWND window, POINT& point) const {
    const WindowRecord* w = Find(window);
    if (!w)
        return false;
    for (; w; w = w->Child() ? Find(w->parent) : nullptr) {
        point.x += w->rect.left;
        point.y += w->rect.top;
        if (!w->Child())
            break;
    }
    return true;
}

bool WindowTree::ScreenToClient(HWND window, POINT& point) const {
    POINT origin{0, 0};
    if (!ClientToScreen(window, origin))
        return false;
    point.x -= origin.x;
    point.y -= origin.y;
    return true;
}
