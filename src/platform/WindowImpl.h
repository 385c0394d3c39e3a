// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of a C++ object that owns one window and handles its messages in a virtual procedure.

#include <string>

#include "platform/WindowApi.h"

class WindowImpl {
public:
    WindowImpl() = default;
    virtual ~WindowImpl();   // destroys the window if it still exists
    WindowImpl(const WindowImpl&) = delete;
    WindowImpl& operator=(const WindowImpl&) = delete;

    // Creates the window of this object's class (registered on first use). A zero-sized
    // rectangle with CW_USEDEFAULT in left lets the system choose. Returns null on failure.
    HWND Create(HWND parent, const RECT& rect, const std::string& text, DWORD style, DWORD exStyle = 0,
                void* createParams = nullptr);
    bool DestroyWindow();

    HWND Handle() const { return hwnd; }
    operator HWND() const { return hwnd; }

    // The window's procedure: every message of the window arrives here; the default hands it
    // to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The object behind a window created by WindowImpl, or null. WindowImpl keeps the object
    // in the window's GWLP_USERDATA slot.
    static WindowImpl* FromHandle(HWND window);

protected:
    // The class to register and create. The default is one generated class per object type
    // with CS_HREDRAW | CS_VREDRAW, the window colour and the arrow cursor.
    virtual WNDCLASS GetWindowClass() const;

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT StartWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd = nullptr;
};
