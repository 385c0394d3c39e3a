// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/InputRouting.h"

#include "platform/core/Backend.h"
#include "platform/core/MessageQueue.h"
#include "platform/core/WindowTree.h"

HWND InputRouting::SetCapture(HWND window) {
    const HWND previous = captureWindow;
    if (!tree.Find(window))
        return previous;
    if (previous && previous != window)
        tree.CallProc(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    captureWindow = window;
    backend.CaptureMouse(true);
    return previous;
}

bool InputRouting::ReleaseCapture() {
    const HWND previous = captureWindow;
    captureWindow = nullptr;
    backend.CaptureMouse(false);
    if (previous)
        tree.CallProc(previous, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HCURSOR InputRouting::SetCursor(HCURSOR cursor) {
    const HCURSOR previous = currentCursor;
    currentCursor = cursor;
    backend.ShowCursorShape(cursor == SystemCursorHandle(SystemCursor::Wait) ? SystemCursor::Wait
                                                                             : SystemCursor::Arrow);
    return previous;
}

void InputRouting::ShowOpenUrlWait() { openUrlCursor = SetCursor(SystemCursorHandle(SystemCursor::Wait)); }

void InputRouting::EndOpenUrlWait() { SetCursor(openUrlCursor); }

HWND InputRouting::MouseTarget(HWND topLevel, POINT client) const {
    if (captureWindow)
        return captureWindow;
    const WindowRecord* w = tree.Find(topLevel);
    if (!w || !(w->style & WS_VISIBLE) || (w->style & WS_DISABLED))
        return nullptr;
    POINT p = client;
    for (;;) {
        const WindowRecord* hit = nullptr;
        for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
            const WindowRecord* c = tree.Find(*it);
            if (c && (c->style & WS_VISIBLE) && p.x >= c->rect.left && p.x < c->rect.right && p.y >= c->rect.top &&
                p.y < c->rect.bottom) {
                hit = c;
                break;
            }
        }
        if (!hit)
            return w->handle;
        if (hit->style & WS_DISABLED)
            return nullptr;
        p.x -= hit->rect.left;
        p.y -= hit->rect.top;
        w = hit;
    }
}

void InputRouting::QueueMouse(HWND target, UINT message, POINT rootClient, HWND root) {
    POINT screen = rootClient;
    tree.ClientToScreen(root, screen);
    POINT client = screen;
    tree.ScreenToClient(target, client);
    MSG msg;
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = message == WM_LBUTTONDOWN ? MK_LBUTTON : 0;
    msg.lParam = MAKELPARAM(static_cast<uint32_t>(client.x), static_cast<uint32_t>(client.y));
    msg.time = backend.Now();
    msg.pt = screen;
    queue.PostMouse(msg);
}

void InputRouting::OnNativeMouse(HWND topLevel, UINT message, POINT client) {
    // Under capture the pointer may be over another window or none: the point is taken from
    // the screen then, in the capture window's top-level client coordinates.
    if (captureWindow) {
        const HWND captureRoot = tree.GetRoot(captureWindow);
        if (topLevel != captureRoot) {
            topLevel = captureRoot;
            backend.CursorPos(client);
            tree.ScreenToClient(topLevel, client);
        }
    }
    if (!tree.Find(topLevel))
        return;
    const HWND target = MouseTarget(topLevel, client);
    if (!target)
        return;
    // A disabled window (the owner of a modal panel) gets no input, captured or not.
    for (HWND w = target; w; w = tree.GetParent(w)) {
        if (!tree.IsWindowEnabled(w))
            return;
        if (!(tree.GetStyle(w) & WS_CHILD))
            break;
    }
    QueueMouse(target, message, client, topLevel);
}
