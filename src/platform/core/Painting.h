// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Painting in the window core: the invalid area of each window, the paint clips of
// BeginPaint, device contexts, and copying pixels to the visible part of a window.

#include <cstdint>
#include <map>

#include "platform/WinTypes.h"
#include "platform/core/Region.h"

class Backend;
class WindowTree;
struct WindowRecord;

class Painting {
public:
    Painting(WindowTree& tree, Backend& backend) : tree(tree), backend(backend) {}
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;

    // Device contexts are the window's handle with a tag in its low bits.
    HDC BeginPaint(HWND window, PAINTSTRUCT& paint);
    bool EndPaint(HWND window, const PAINTSTRUCT& paint);
    HDC GetDC(HWND window);
    int ReleaseDC(HWND window, HDC dc);
    HWND WindowFromDC(HDC dc) const;
    bool BitBlt(HDC dc, int x, int y, int width, int height, const PixelBuffer& source, int srcX, int srcY);
    bool FillRect(HDC dc, const RECT& rect, uint32_t argb);

    bool InvalidateRect(HWND window, const RECT* rect, bool erase);
    // Nothing of the window needs painting any more.
    bool Validate(HWND window);
    bool UpdateWindow(HWND window);

    // The whole window and its descendants need painting.
    void InvalidateTree(HWND window);
    // What a child window covered shows its parent and the siblings it overlapped again.
    void InvalidateParentArea(const WindowRecord& window);
    // The first visible window with an invalid area, top-level windows in creation order,
    // each before its descendants; null when all is painted.
    HWND FirstInvalid() const;

private:
    HWND FirstInvalidIn(HWND window) const;
    POINT ClientOriginInRoot(const WindowRecord& window) const;
    Region::Rects VisibleRegion(const WindowRecord& window) const;
    void Present(HWND window, const RECT& clientRect, const PixelBuffer* source, POINT srcOrigin, uint32_t fill);

    WindowTree& tree;
    Backend& backend;
    // Paint contexts: one per window at a time is all the game needs.
    std::map<uintptr_t, RECT> paintClips;
};
