// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TopLevelContainerControl.h"

#include <algorithm>

#include "gfx/Graphics.h"
#include "platform/CursorPosition.h"
#include "platform/Paint.h"
#include "platform/WindowApi.h"
#include "ui/GraphicsBuffer.h"

namespace {

// Ends painting on every path, also when the paint raised.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window(window) { dc = BeginPaint(window, paint); }
    ~PaintScope() { EndPaint(window, paint); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return dc; }

private:
    HWND window;
    PAINTSTRUCT paint;
    HDC dc = nullptr;
};

// Gives the window's device context back on every path.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window(window), dc(GetDC(window)) {}
    ~WindowDC() {
        if (dc)
            ReleaseDC(window, dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Dc() const { return dc; }

private:
    HWND window;
    HDC dc;
};

}   // namespace

TopLevelContainerControl::TopLevelContainerControl(::StyleId style) : ContainerControl(style, nullptr) {}

TopLevelContainerControl* TopLevelContainerControl::GetTopLevel() { return this; }

void TopLevelContainerControl::Layout() {
    Bounds = ClientRect();
    LayoutChildren();
}

void TopLevelContainerControl::OnNotify(NotifyCode, Control*, Control*) {}

bool TopLevelContainerControl::HandleWindowMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_PAINT:
    case WM_SIZE:
        result = 0;
        break;
    case WM_ERASEBKGND:
        // Nothing is erased: the paint covers every pixel through the buffer, so erasing
        // first would only flicker.
        result = 1;
        return true;
    default:
        return false;
    }

    try {
        switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE:
            DispatchMouse(message, lParam);
            break;
        case WM_PAINT:
            PaintWindow();
            break;
        case WM_SIZE:
            Layout();
            break;
        }
    } catch (...) {
        // Containment point of the window's message handling: a failing control never takes
        // the window down, and the message still counts as handled.
        result = 0;
    }
    return true;
}

void TopLevelContainerControl::DispatchMouse(UINT message, LPARAM lParam) {
    {
        struct DepthScope {
            int& depth;
            explicit DepthScope(int& depth) : depth(depth) { ++depth; }
            ~DepthScope() { --depth; }
        } scope(dispatchDepth);
        switch (message) {
        case WM_LBUTTONDOWN:
            OnMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            break;
        case WM_LBUTTONUP:
            OnMouseUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            break;
        default: {
            // The position now, not the queued one: a drag follows the pointer as it is.
            const POINT p = Util::GetCursorPositionPOINT(GetWindowHandle());
            OnMouseMove(p.x, p.y);
            break;
        }
        }
    }
    if (dispatchDepth > 0)
        return;   // a modal panel's loop inside an outer dispatch: the outer one runs them
    std::vector<std::function<void()>> actions;
    actions.swap(deferred);
    for (const std::function<void()>& action : actions)
        action();
}

void TopLevelContainerControl::AfterDispatch(std::function<void()> action) {
    if (dispatchDepth == 0)
        action();
    else
        deferred.push_back(std::move(action));
}

void TopLevelContainerControl::PaintWindow() {
    PaintScope scope(GetWindowHandle());
    // The whole client area, whatever was invalid: the tree has no partial paint of its own.
    const Gdiplus::Rect client = ClientRect();
    PaintToDevice(scope.Dc(), client.X, client.Y, client.Width, client.Height);
}

void TopLevelContainerControl::RedrawRect(int x, int y, int w, int h) {
    WindowDC window(GetWindowHandle());
    PaintToDevice(window.Dc(), x, y, w, h);
}

void TopLevelContainerControl::RedrawAll() {
    const Gdiplus::Rect client = ClientRect();
    RedrawRect(client.X, client.Y, client.Width, client.Height);
}

void TopLevelContainerControl::PaintToDevice(HDC dc, int x, int y, int w, int h) {
    // Only the part inside the client area is ever shown. Clipping to it keeps every buffer
    // coordinate within the window, so a rectangle running off the window (a group dragged out
    // under capture) neither grows the shared buffer nor replaces it by one lower or narrower
    // than the window on every move.
    const Gdiplus::Rect client = ClientRect();
    const int right = std::min(x + w, client.X + client.Width);
    const int bottom = std::min(y + h, client.Y + client.Height);
    x = std::max(x, client.X);
    y = std::max(y, client.Y);
    w = right - x;
    h = bottom - y;
    if (w <= 0 || h <= 0)
        return;

    // Drawing uses window coordinates, so the buffer must reach the rectangle's far corner,
    // not merely be as large as the rectangle.
    GraphicsBuffer& buffer = GraphicsBuffer::Obtain(dc, x + w, y + h);
    Gdiplus::Graphics& g = buffer.GetGraphics();

    bool painted = false;
    try {
        g.SetClip(Gdiplus::Rect(x, y, w, h), Gdiplus::CombineModeReplace);
        Paint(g, x, y, w, h);
        painted = true;
    } catch (...) {
        // Containment point of the top-level paint: nothing new reaches the screen for this
        // rectangle.
    }
    if (painted)
        buffer.CopyToDevice(dc, x, y, w, h);
    g.ResetClip();
}

Gdiplus::Rect TopLevelContainerControl::ClientRect() {
    RECT rc;
    if (!GetClientRect(GetWindowHandle(), rc))
        return Gdiplus::Rect();
    return Gdiplus::Rect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}
