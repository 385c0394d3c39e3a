// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowImpl.h"

#include <typeinfo>

namespace {

// The object whose window is being created; bound at the window's first message.
thread_local WindowImpl* creatingObject = nullptr;

}   // namespace

WindowImpl::~WindowImpl() {
    if (hwnd && ::IsWindow(hwnd)) {
        const HWND window = hwnd;
        // The derived parts are gone: the last messages go to the default procedure only.
        ::SetWindowLongPtr(window, GWLP_USERDATA, 0);
        hwnd = nullptr;
        ::DestroyWindow(window);
    }
}

HWND WindowImpl::Create(HWND parent, const RECT& rect, const std::string& text, DWORD style, DWORD exStyle,
                        void* createParams) {
    if (hwnd)
        return nullptr;   // one window per object
    WNDCLASS windowClass = GetWindowClass();
    windowClass.lpfnWndProc = &WindowImpl::StartWindowProc;
    WNDCLASS existing;
    if (!::GetClassInfo(windowClass.className, existing) && !::RegisterClass(windowClass))
        return nullptr;

    // A rectangle at CW_USEDEFAULT asks for the default place and size; its width is then no
    // difference to take (right - INT_MIN overflows).
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
    if (rect.left != CW_USEDEFAULT) {
        x = rect.left, y = rect.top;
        width = rect.right - rect.left, height = rect.bottom - rect.top;
    }
    creatingObject = this;
    HWND created = nullptr;
    try {
        created =
            ::CreateWindowEx(exStyle, windowClass.className, text, style, x, y, width, height, parent, createParams);
    } catch (...) {
        // Not a containment point: only the binding is cleared before the exception goes on.
        creatingObject = nullptr;
        throw;
    }
    creatingObject = nullptr;
    return created;
}

bool WindowImpl::DestroyWindow() { return hwnd && ::DestroyWindow(hwnd); }

LRESULT WindowImpl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(message, wParam, lParam);
}

WindowImpl* WindowImpl::FromHandle(HWND window) {
    return reinterpret_cast<WindowImpl*>(::GetWindowLongPtr(window, GWLP_USERDATA));
}

WNDCLASS WindowImpl::GetWindowClass() const {
    WNDCLASS windowClass;
    windowClass.className = std::string("Tessiva_") + typeid(*this).name();
    return windowClass;
}

LRESULT WindowImpl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProc(hwnd, message, wParam, lParam);
}

LRESULT WindowImpl::StartWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowImpl* self = FromHandle(window);
    if (!self && creatingObject && !creatingObject->hwnd) {
        self = creatingObject;
        creatingObject = nullptr;
        self->hwnd = window;
        ::SetWindowLongPtr(window, GWLP_USERDATA, reinterpret_cast<intptr_t>(self));
    }
    if (!self)
        return ::DefWindowProc(window, message, wParam, lParam);
    if (message != WM_NCDESTROY)
        return self->WindowProc(message, wParam, lParam);

    const LRESULT result = self->WindowProc(message, wParam, lParam);
    ::SetWindowLongPtr(window, GWLP_USERDATA, 0);
    self->hwnd = nullptr;
    return result;
}
