// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/Painting.h"

#include <algorithm>

#include "platform/core/Backend.h"
#include "platform/core/WindowTree.h"

using Region::Clip;
using Region::Intersect;
using Region::IsEmpty;
using Region::Offset;

namespace {

constexpr uintptr_t kWindowDcTag = 1;   // GetDC: the whole visible client area
constexpr uintptr_t kPaintDcTag = 2;    // BeginPaint: clipped to the invalid area

}   // namespace

HDC Painting::BeginPaint(HWND window, PAINTSTRUCT& paint) {
    WindowRecord* w = tree.Find(window);
    paint = PAINTSTRUCT{};
    if (!w)
        return nullptr;
    paint.rcPaint = w->invalid ? w->invalidRect : RECT{};
    const bool erase = w->eraseNeeded;
    w->invalid = false;
    w->eraseNeeded = false;
    w->invalidRect = {};
    paintClips[HandleValue(window)] = paint.rcPaint;
    paint.hdc = reinterpret_cast<HDC>(HandleValue(window) | kPaintDcTag);
    if (erase)
        paint.fErase = tree.CallProc(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint.hdc), 0) == 0;
    return paint.hdc;
}

bool Painting::EndPaint(HWND window, const PAINTSTRUCT&) {
    paintClips.erase(HandleValue(window));
    return true;
}

HDC Painting::GetDC(HWND window) {
    if (!tree.Find(window))
        return nullptr;
    return reinterpret_cast<HDC>(HandleValue(window) | kWindowDcTag);
}

int Painting::ReleaseDC(HWND window, HDC dc) { return WindowFromDC(dc) == window ? 1 : 0; }

HWND Painting::WindowFromDC(HDC dc) const {
    const HWND window = ToHwnd(HandleValue(dc) & ~(kHandleStep - 1));
    return tree.Find(window) ? window : nullptr;
}

bool Painting::BitBlt(HDC dc, int x, int y, int width, int height, const PixelBuffer& source, int srcX, int srcY) {
    const HWND window = WindowFromDC(dc);
    if (!window || !source.pixels || width <= 0 || height <= 0)
        return false;
    RECT rect{x, y, x + width, y + height};
    // Only the buffer's own pixels can be copied.
    const RECT sourceArea = Offset({0, 0, source.width, source.height}, x - srcX, y - srcY);
    rect = Intersect(rect, sourceArea);
    if (HandleValue(dc) & kPaintDcTag) {
        const auto clip = paintClips.find(HandleValue(window));
        if (clip != paintClips.end())
            rect = Intersect(rect, clip->second);
    }
    if (!IsEmpty(rect))
        Present(window, rect, &source, {rect.left - (x - srcX), rect.top - (y - srcY)}, 0);
    return true;
}

bool Painting::FillRect(HDC dc, const RECT& rect, uint32_t argb) {
    const HWND window = WindowFromDC(dc);
    if (!window)
        return false;
    RECT area = rect;
    if (HandleValue(dc) & kPaintDcTag) {
        const auto clip = paintClips.find(HandleValue(window));
        if (clip != paintClips.end())
            area = Intersect(area, clip->second);
    }
    if (!IsEmpty(area))
        Present(window, area, nullptr, {0, 0}, argb);
    return true;
}

bool Painting::InvalidateRect(HWND window, const RECT* rect, bool erase) {
    WindowRecord* w = tree.Find(window);
    if (!w)
        return false;
    const RECT client = w->ClientArea();
    const RECT area = rect ? Intersect(*rect, client) : client;
    if (IsEmpty(area))
        return true;
    w->invalid = true;
    w->eraseNeeded = w->eraseNeeded || erase;
    w->invalidRect = Region::Union(w->invalidRect, area);
    return true;
}

bool Painting::Validate(HWND window) {
    WindowRecord* w = tree.Find(window);
    if (!w)
        return false;
    w->invalid = false;
    w->eraseNeeded = false;
    w->invalidRect = {};
    return true;
}

bool Painting::UpdateWindow(HWND window) {
    const WindowRecord* w = tree.Find(window);
    if (!w)
        return false;
    if (w->invalid && tree.IsWindowVisible(window))
        tree.CallProc(window, WM_PAINT, 0, 0);
    return true;
}

void Painting::InvalidateTree(HWND window) {
    WindowRecord* w = tree.Find(window);
    if (!w)
        return;
    w->invalid = true;
    w->eraseNeeded = true;
    w->invalidRect = w->ClientArea();
    for (HWND c : w->children)
        InvalidateTree(c);
}

void Painting::InvalidateParentArea(const WindowRecord& window) {
    if (!window.Child())
        return;
    WindowRecord* parent = tree.Find(window.parent);
    if (!parent)
        return;
    parent->invalid = true;
    parent->eraseNeeded = true;
    parent->invalidRect = Region::Union(parent->invalidRect, window.rect);
    for (HWND c : parent->children)
        if (c != window.handle) {
            const WindowRecord* sibling = tree.Find(c);
            if (sibling && !IsEmpty(Intersect(sibling->rect, window.rect)))
                InvalidateTree(c);
        }
}

HWND Painting::FirstInvalid() const {
    for (const auto& [id, w] : tree.Windows()) {
        if (w->Child() || w->minimized)
            continue;
        if (const HWND invalid = FirstInvalidIn(w->handle))
            return invalid;
    }
    return nullptr;
}

HWND Painting::FirstInvalidIn(HWND window) const {
    const WindowRecord* w = tree.Find(window);
    if (!w || !(w->style & WS_VISIBLE))
        return nullptr;
    if (w->invalid)
        return window;
    for (HWND c : w->children)
        if (const HWND found = FirstInvalidIn(c))
            return found;
    return nullptr;
}

POINT Painting::ClientOriginInRoot(const WindowRecord& window) const {
    POINT origin{0, 0};
    for (const WindowRecord* w = &window; w && w->Child(); w = tree.Find(w->parent)) {
        origin.x += w->rect.left;
        origin.y += w->rect.top;
    }
    return origin;
}

// The part of the window's client area that shows, in its top-level window's client
// coordinates: clipped by every ancestor, less the visible children of a WS_CLIPCHILDREN window
// and the visible later siblings of each WS_CLIPSIBLINGS window on the way up.
Region::Rects Painting::VisibleRegion(const WindowRecord& window) const {
    if (!tree.IsWindowVisible(window.handle))
        return {};
    const WindowRecord* root = tree.Find(tree.GetRoot(window.handle));
    if (!root || root->minimized)
        return {};
    const POINT origin = ClientOriginInRoot(window);
    Region::Rects region{Offset(window.ClientArea(), origin.x, origin.y)};
    if (window.style & WS_CLIPCHILDREN)
        for (HWND c : window.children) {
            const WindowRecord* child = tree.Find(c);
            if (child && (child->style & WS_VISIBLE))
                Region::Subtract(region, Offset(child->rect, origin.x, origin.y));
        }
    for (const WindowRecord* w = &window; w->Child();) {
        const WindowRecord* parent = tree.Find(w->parent);
        if (!parent)
            break;
        const POINT parentOrigin = ClientOriginInRoot(*parent);
        Clip(region, Offset(parent->ClientArea(), parentOrigin.x, parentOrigin.y));
        if (w->style & WS_CLIPSIBLINGS) {
            const auto self = std::find(parent->children.begin(), parent->children.end(), w->handle);
            for (auto it = self == parent->children.end() ? self : self + 1; it != parent->children.end(); ++it) {
                const WindowRecord* sibling = tree.Find(*it);
                if (sibling && (sibling->style & WS_VISIBLE))
                    Region::Subtract(region, Offset(sibling->rect, parentOrigin.x, parentOrigin.y));
            }
        }
        w = parent;
    }
    return region;
}

void Painting::Present(HWND window, const RECT& clientRect, const PixelBuffer* source, POINT srcOrigin, uint32_t fill) {
    const WindowRecord* w = tree.Find(window);
    if (!w)
        return;
    Region::Rects region = VisibleRegion(*w);
    const POINT origin = ClientOriginInRoot(*w);
    Clip(region, Offset(clientRect, origin.x, origin.y));
    if (region.empty())
        return;
    // Rectangle point p shows source point p - offset.
    const POINT offset{origin.x + clientRect.left - srcOrigin.x, origin.y + clientRect.top - srcOrigin.y};
    backend.Present(tree.GetRoot(window), region, source, offset, fill);
}
