// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a backend (SDL, headless) provides to the window system: native top-level windows,
// presenting pixels, native events, the clock, the cursor and sound.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/core/NativeEventSink.h"

enum class NativeShow { Hide, Show, Minimize, Maximize, Restore };

class Backend {
public:
    virtual ~Backend() = default;

    // The window system that takes the backend hands itself over before any other call; the
    // backend reports every native event there from then on.
    virtual void Attach(NativeEventSink& sink) = 0;

    // Milliseconds of the backend's clock.
    virtual uint32_t Now() = 0;
    // Hands pending native events to the sink, waiting at most `timeoutMs` for the
    // first one (0: no wait; -1: no limit).
    virtual void PumpEvents(int timeoutMs) = 0;

    // The part of the screen that windows may use (without panels and docks).
    virtual RECT WorkArea() = 0;

    // A top-level window's native counterpart; `owner` is set for owned pop-ups.
    virtual bool CreateNative(HWND window, const std::string& title, const RECT& screenRect, DWORD style,
                              const std::string& iconResource, HWND owner) = 0;
    virtual void DestroyNative(HWND window) = 0;
    virtual void SetNativeText(HWND window, const std::string& text) = 0;
    virtual void MoveNative(HWND window, const RECT& screenRect) = 0;
    // Shows or changes the state; the result reaches the sink's OnNativeState, synchronously
    // where the backend can tell it at once.
    virtual void ShowNative(HWND window, NativeShow how) = 0;

    // Copies to the top-level window's client rectangles: from `source` (the pixel at
    // rect point p comes from source point p - offset), or the colour `fill` when it is null;
    // the rectangles reach the screen at once.
    virtual void Present(HWND window, const std::vector<RECT>& rects, const PixelBuffer* source, POINT offset,
                         uint32_t fill) = 0;

    virtual bool CursorPos(POINT& screen) = 0;
    virtual void CaptureMouse(bool capture) = 0;
    virtual void ShowCursorShape(SystemCursor cursor) = 0;
    virtual bool PlaySound(const char* name) = 0;
};
