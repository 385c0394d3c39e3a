// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Device contexts for synchronous painting: a rectangle copied from a memory pixel buffer
// reaches the screen at once.

#include <cstdint>

#include "platform/WinTypes.h"

// Starts painting a window: sends WM_ERASEBKGND when the background needs erasing, marks the
// window valid and returns its device context. End with EndPaint.
HDC BeginPaint(HWND window, PAINTSTRUCT& paint);
bool EndPaint(HWND window, const PAINTSTRUCT& paint);

// The window's device context for drawing outside WM_PAINT; give it back with ReleaseDC.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);

// Copies the rectangle (srcX, srcY, width, height) of the buffer to (x, y) in the client area
// of the context's window (plain source copy), clipped to the window's visible area, and shows
// it at once.
bool BitBlt(HDC dc, int x, int y, int width, int height, const PixelBuffer& source, int srcX, int srcY);
// Fills a client rectangle with an opaque ARGB colour and shows it at once.
bool FillRect(HDC dc, const RECT& rect, uint32_t argb);
// The window of a device context.
HWND WindowFromDC(HDC dc);

// Marks an area (null: all) of the client area as needing WM_PAINT.
bool InvalidateRect(HWND window, const RECT* rect, bool erase);
// Sends WM_PAINT at once when the window has an invalid area.
bool UpdateWindow(HWND window);
