// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/Bitmap.h"

#include <algorithm>

#include "gfx/detail/CairoDetail.h"
#include "gfx/detail/ImageDecoder.h"

namespace Gdiplus {

namespace {

uint32_t* PixelAt(cairo_surface_t* surface, int x, int y) {
    uint8_t* row = cairo_image_surface_get_data(surface) + size_t(y) * size_t(cairo_image_surface_get_stride(surface));
    return reinterpret_cast<uint32_t*>(row) + x;
}

}   // namespace

Detail::SurfaceHolder* Detail::Access::Surface(const Bitmap* bitmap) {
    return bitmap ? bitmap->surface.get() : nullptr;
}

Bitmap::Bitmap(int width, int height, PixelFormat format) : format(format) {
    if (width <= 0 || height <= 0) {
        lastStatus = InvalidParameter;
        return;
    }
    if (!Detail::AcceptableSize(width, height)) {
        lastStatus = OutOfMemory;
        return;
    }
    Detail::SurfacePtr created(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(created.get()) != CAIRO_STATUS_SUCCESS) {
        lastStatus = OutOfMemory;
        return;
    }
    surface = std::make_unique<Detail::SurfaceHolder>(std::move(created));
}

Bitmap::Bitmap(int width, int height, int stride, PixelFormat format, uint8_t* scan0) : format(format) {
    if (width <= 0 || height <= 0 || !scan0 || stride < cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width) ||
        stride % 4 != 0) {
        lastStatus = InvalidParameter;
        return;
    }
    Detail::SurfacePtr created(cairo_image_surface_create_for_data(scan0, CAIRO_FORMAT_ARGB32, width, height, stride));
    if (cairo_surface_status(created.get()) != CAIRO_STATUS_SUCCESS) {
        lastStatus = OutOfMemory;
        return;
    }
    surface = std::make_unique<Detail::SurfaceHolder>(std::move(created));
}

Bitmap::Bitmap(const std::string& path) { Decode(path, Size(kMaxSide + 1, kMaxSide + 1)); }

Bitmap::Bitmap(const std::string& path, const Size& atLeast) { Decode(path, atLeast); }

Bitmap::~Bitmap() = default;

void Bitmap::Decode(const std::string& path, const Size& atLeast) {
    Detail::SurfacePtr decoded;
    const Status status = Detail::DecodeImageFile(path, atLeast, decoded);
    if (status != Ok) {
        lastStatus = status;
        return;
    }
    surface = std::make_unique<Detail::SurfaceHolder>(std::move(decoded));
}

UINT Bitmap::GetWidth() const {
    if (!surface) {
        Record(InvalidParameter);
        return 0;
    }
    return UINT(surface->Width());
}

UINT Bitmap::GetHeight() const {
    if (!surface) {
        Record(InvalidParameter);
        return 0;
    }
    return UINT(surface->Height());
}

Status Bitmap::GetLastStatus() {
    const Status status = lastStatus;
    // A bitmap that never got pixels keeps reporting why, so a second look does not read Ok.
    if (surface)
        lastStatus = Ok;
    return status;
}

Status Bitmap::GetPixel(int x, int y, Color* color) const {
    if (!surface || !color)
        return Record(InvalidParameter);
    if (x < 0 || y < 0 || x >= surface->Width() || y >= surface->Height())
        return Record(InvalidParameter);
    cairo_surface_flush(surface->Get());
    const uint32_t p = *PixelAt(surface->Get(), x, y);
    const uint32_t a = p >> 24;
    if (a == 0) {
        *color = Color(0);
        return Ok;
    }
    auto straight = [a](uint32_t c) { return BYTE(std::min<uint32_t>(255, (c * 255 + a / 2) / a)); };
    *color = Color(BYTE(a), straight((p >> 16) & 0xFF), straight((p >> 8) & 0xFF), straight(p & 0xFF));
    return Ok;
}

Status Bitmap::SetPixel(int x, int y, const Color& color) {
    if (!surface)
        return Record(InvalidParameter);
    if (x < 0 || y < 0 || x >= surface->Width() || y >= surface->Height())
        return Record(InvalidParameter);
    cairo_surface_flush(surface->Get());
    const uint32_t a = color.GetA();
    auto premultiplied = [a](uint32_t c) { return (c * a + 127) / 255; };
    *PixelAt(surface->Get(), x, y) = (a << 24) | (premultiplied(color.GetR()) << 16) |
                                     (premultiplied(color.GetG()) << 8) | premultiplied(color.GetB());
    cairo_surface_mark_dirty_rectangle(surface->Get(), x, y, 1, 1);
    return Ok;
}

uint8_t* Bitmap::PixelData() {
    if (!surface)
        return nullptr;
    cairo_surface_flush(surface->Get());
    return cairo_image_surface_get_data(surface->Get());
}

const uint8_t* Bitmap::PixelData() const {
    if (!surface)
        return nullptr;
    cairo_surface_flush(surface->Get());
    return cairo_image_surface_get_data(surface->Get());
}

int Bitmap::Stride() const { return surface ? cairo_image_surface_get_stride(surface->Get()) : 0; }

void Bitmap::MarkDirty() {
    if (surface)
        cairo_surface_mark_dirty(surface->Get());
}

Status Bitmap::SavePng(const std::string& path) const {
    if (!surface)
        return Record(InvalidParameter);
    switch (cairo_surface_write_to_png(surface->Get(), path.c_str())) {
    case CAIRO_STATUS_SUCCESS:
        return Ok;
    case CAIRO_STATUS_NO_MEMORY:
        return Record(OutOfMemory);
    default:
        return Record(Win32Error);
    }
}

Status Bitmap::Record(Status status) const {
    // A bitmap without pixels keeps the reason its creation failed.
    if (status != Ok && (surface || lastStatus == Ok))
        lastStatus = status;
    return status;
}

Status ReadJpegSize(const std::string& path, Size& size) { return Detail::ReadJpegFileSize(path, size); }

}   // namespace Gdiplus
