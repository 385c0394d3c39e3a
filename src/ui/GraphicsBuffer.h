// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The off-screen surface that every paint of every window is composed in before one block copy
// to the window; one shared instance grows as windows need it.

#include "foundation/CPtr.h"
#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "platform/WinTypes.h"

class GraphicsBuffer {
public:
    // A buffer of width x height for windows like the one of dc. Raises
    // "GraphicsBuffer::GraphicsBuffer (14)" when dc belongs to no window,
    // "GraphicsBuffer::GraphicsBuffer (16)" when the pixels cannot be allocated and
    // "CPtr<class Gdiplus::Graphics>::operator -> (114)" when no graphics can be made on them.
    GraphicsBuffer(HDC dc, int width, int height);
    GraphicsBuffer(const GraphicsBuffer&) = delete;
    GraphicsBuffer& operator=(const GraphicsBuffer&) = delete;

    int Width() const;
    int Height() const;
    // Raises "CPtr<class Gdiplus::Graphics>::operator * (108)" when the buffer has none.
    Gdiplus::Graphics& GetGraphics() const;
    // Copies the rectangle (same position in buffer and window) to the device context.
    void CopyToDevice(HDC dc, int x, int y, int w, int h) const;

    // The shared buffer, made to cover at least width x height: created on first use, and
    // replaced by one of exactly width x height when it is narrower or lower than that.
    static GraphicsBuffer& Obtain(HDC dc, int width, int height);
    // The shared buffer as it is now; null before the first paint.
    static const GraphicsBuffer* Shared();

private:
    static CPtr<GraphicsBuffer>& Holder();

    CPtr<Gdiplus::Bitmap> bitmap;
    CPtr<Gdiplus::Graphics> graphics;
};
