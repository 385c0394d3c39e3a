// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a backend reports the native events of its top-level windows; the window system
// hands itself to the backend as this when it takes the backend.

#include "platform/WinTypes.h"

class NativeEventSink {
public:
    // A mouse event at a point of a top-level window's client area. `topLevel` is the window
    // that had the pointer, or null when it was over none of ours; while a window holds the
    // capture the event goes to it wherever the pointer was.
    virtual void OnNativeMouse(HWND topLevel, UINT message, POINT client) = 0;
    // The window's state and screen rectangle now; a minimised window keeps the rectangle it
    // had, so `screenRect` is not read then.
    virtual void OnNativeState(HWND topLevel, const RECT& screenRect, bool minimized, bool maximized) = 0;
    virtual void OnNativeMoved(HWND topLevel, POINT screenOrigin) = 0;
    // What the window showed was lost and must be painted again.
    virtual void OnNativeExposed(HWND topLevel) = 0;
    // The close box.
    virtual void OnNativeClose(HWND topLevel) = 0;
    // The window took the keyboard and mouse focus.
    virtual void OnNativeFocus(HWND topLevel) = 0;
    // The application as a whole became active or inactive.
    virtual void OnNativeAppActivation(bool active) = 0;

protected:
    ~NativeEventSink() = default;
};
