// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A 32-bit premultiplied ARGB bitmap, created empty or decoded from an image file by its content.

#include <cstdint>
#include <memory>
#include <string>

#include "gfx/Color.h"
#include "gfx/GdiplusTypes.h"

namespace Gdiplus {

namespace Detail {
class SurfaceHolder;
struct Access;
}   // namespace Detail

class Bitmap {
public:
    // The largest picture a decode accepts; anything larger fails with OutOfMemory before any
    // pixel memory is taken.
    static constexpr int kMaxSide = 16384;
    static constexpr int64_t kMaxPixels = int64_t(1) << 28;

    // An empty, fully transparent bitmap.
    Bitmap(int width, int height, PixelFormat format = PixelFormat32bppARGB);
    // A bitmap over memory the caller owns and keeps alive: 32-bit premultiplied ARGB in native
    // byte order (blue first on little-endian), stride bytes per row.
    Bitmap(int width, int height, int stride, PixelFormat format, uint8_t* scan0);
    // Decodes a file (UTF-8 path). JPEG, PNG, BMP, GIF, TIFF and WebP are recognised by content,
    // whatever the extension. A failure is a status: FileNotFound, UnknownImageFormat (also for
    // corrupt or truncated data) or OutOfMemory (too large); the bitmap then reports 0 x 0.
    explicit Bitmap(const std::string& path);
    // As above, but a JPEG is decoded at 1/2, 1/4 or 1/8 scale when the result still covers
    // atLeast in both directions (thumbnails); other formats decode at full size.
    Bitmap(const std::string& path, const Size& atLeast);

    ~Bitmap();
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    UINT GetWidth() const;   // 0 for a failed bitmap
    UINT GetHeight() const;
    PixelFormat GetPixelFormat() const { return format; }
    Status GetLastStatus();

    // Straight-alpha colour of one pixel; InvalidParameter outside the bitmap.
    Status GetPixel(int x, int y, Color* color) const;
    Status SetPixel(int x, int y, const Color& color);

    // Raw pixels for the window layer and for tests: premultiplied ARGB32 in native byte order.
    // PixelData() finishes pending drawing first; call MarkDirty() after writing to the pixels.
    uint8_t* PixelData();
    const uint8_t* PixelData() const;
    int Stride() const;
    void MarkDirty();

    // Writes the bitmap as a PNG file (UTF-8 path).
    Status SavePng(const std::string& path) const;

private:
    friend struct Detail::Access;   // the drawing layer's own way to the pixels

    void Decode(const std::string& path, const Size& atLeast);
    Status Record(Status status) const;

    std::unique_ptr<Detail::SurfaceHolder> surface;   // null for a failed bitmap
    PixelFormat format = PixelFormat32bppARGB;
    mutable Status lastStatus = Ok;
};

// The width and height in a JPEG file's header, which a full decode of it yields, read without
// decoding any pixel: a caller can choose the reduced size to decode at from the picture's own
// size. FileNotFound, or UnknownImageFormat for a file that is not a JPEG with a readable header.
Status ReadJpegSize(const std::string& path, Size& size);

}   // namespace Gdiplus
