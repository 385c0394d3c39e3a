// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Input routing in the window core: which window a mouse message goes to, the mouse capture,
// and the cursor shown.

#include <cstdint>

#include "platform/WinTypes.h"

class Backend;
class MessageQueue;
class WindowTree;

// A system cursor's handle: values 1 and 2; null stands for "no cursor set yet", shown as the
// arrow.
inline HCURSOR SystemCursorHandle(SystemCursor cursor) {
    return reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(cursor) + 1);
}

class InputRouting {
public:
    InputRouting(WindowTree& tree, Backend& backend, MessageQueue& queue)
        : tree(tree), backend(backend), queue(queue) {}
    InputRouting(const InputRouting&) = delete;
    InputRouting& operator=(const InputRouting&) = delete;

    HWND SetCapture(HWND window);
    bool ReleaseCapture();
    HWND GetCapture() const { return captureWindow; }
    HCURSOR SetCursor(HCURSOR cursor);

    // The wait cursor while a web page is being opened, and the cursor from before it.
    void ShowOpenUrlWait();
    void EndOpenUrlWait();

    // The mouse message target for a point of a top-level client area: the capture window,
    // else the deepest visible and enabled window there; null when input is refused.
    HWND MouseTarget(HWND topLevel, POINT client) const;
    // A native mouse event at a point of a top-level client area (null: over none of ours),
    // queued to its target.
    void OnNativeMouse(HWND topLevel, UINT message, POINT client);

private:
    void QueueMouse(HWND target, UINT message, POINT rootClient, HWND root);

    WindowTree& tree;
    Backend& backend;
    MessageQueue& queue;
    HWND captureWindow = nullptr;
    HCURSOR currentCursor = nullptr;
    HCURSOR openUrlCursor = nullptr;   // the cursor to restore after opening a web page
};
