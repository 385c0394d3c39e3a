// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GraphicsBuffer.h"

#include <algorithm>
#include <memory>

#include "foundation/ApplicationException.h"
#include "platform/Paint.h"

GraphicsBuffer::GraphicsBuffer(HDC dc, int width, int height) {
    RaiseErrorIfFalse(dc != nullptr && WindowFromDC(dc) != nullptr, "GraphicsBuffer::GraphicsBuffer (14)");
    bitmap.Reset(std::make_unique<Gdiplus::Bitmap>(width, height, Gdiplus::PixelFormat32bppPARGB));
    RaiseErrorIfFalse(bitmap->GetLastStatus() == Gdiplus::Ok && width > 0 && height > 0,
                      "GraphicsBuffer::GraphicsBuffer (16)");
    graphics.Reset(std::make_unique<Gdiplus::Graphics>(bitmap.Get()));
    if (graphics->GetLastStatus() != Gdiplus::Ok)
        graphics.Reset();
    // An empty holder raises its own location text here.
    graphics->SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
}

int GraphicsBuffer::Width() const { return static_cast<int>(bitmap->GetWidth()); }
int GraphicsBuffer::Height() const { return static_cast<int>(bitmap->GetHeight()); }

Gdiplus::Graphics& GraphicsBuffer::GetGraphics() const { return *graphics; }

void GraphicsBuffer::CopyToDevice(HDC dc, int x, int y, int w, int h) const {
    graphics->Flush();
    PixelBuffer source;
    source.pixels = bitmap->PixelData();
    source.width = Width();
    source.height = Height();
    source.stride = bitmap->Stride();
    // Never read beyond the buffer, whatever the caller asked for.
    w = std::min(w, source.width - x);
    h = std::min(h, source.height - y);
    if (x < 0 || y < 0 || w <= 0 || h <= 0)
        return;
    BitBlt(dc, x, y, w, h, source, x, y);
}

GraphicsBuffer& GraphicsBuffer::Obtain(HDC dc, int width, int height) {
    CPtr<GraphicsBuffer>& shared = Holder();
    GraphicsBuffer* current = shared.Get();
    if (!current || current->Width() < width || current->Height() < height)
        // The new buffer is complete before the old one goes, so a failed creation keeps the
        // old buffer.
        shared.Reset(std::make_unique<GraphicsBuffer>(dc, width, height));
    return *shared;
}

const GraphicsBuffer* GraphicsBuffer::Shared() { return Holder().Get(); }

CPtr<GraphicsBuffer>& GraphicsBuffer::Holder() {
    // Lives until the process ends, like the other shared drawing objects.
    static CPtr<GraphicsBuffer> holder;
    return holder;
}
