// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Paint.h"

#include "platform/core/WindowSystem.h"

namespace {

WindowSystem* System() { return WindowSystem::Current(); }

}   // namespace

HDC BeginPaint(HWND window, PAINTSTRUCT& paint) {
    paint = PAINTSTRUCT{};
    return System() ? System()->Paint().BeginPaint(window, paint) : nullptr;
}

bool EndPaint(HWND window, const PAINTSTRUCT& paint) { return System() && System()->Paint().EndPaint(window, paint); }

HDC GetDC(HWND window) { return System() ? System()->Paint().GetDC(window) : nullptr; }

int ReleaseDC(HWND window, HDC dc) { return System() ? System()->Paint().ReleaseDC(window, dc) : 0; }

bool BitBlt(HDC dc, int x, int y, int width, int height, const PixelBuffer& source, int srcX, int srcY) {
    return System() && System()->Paint().BitBlt(dc, x, y, width, height, source, srcX, srcY);
}

bool FillRect(HDC dc, const RECT& rect, uint32_t argb) {
    return System() && System()->Paint().FillRect(dc, rect, argb);
}

HWND WindowFromDC(HDC dc) { return System() ? System()->Paint().WindowFromDC(dc) : nullptr; }

bool InvalidateRect(HWND window, const RECT* rect, bool erase) {
    return System() && System()->Paint().InvalidateRect(window, rect, erase);
}

bool UpdateWindow(HWND window) { return System() && System()->Paint().UpdateWindow(window); }
