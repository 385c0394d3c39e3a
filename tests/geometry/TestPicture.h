// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An opaque play picture with a distinct colour per pixel, owned the way the board owns one.

#include <cstdint>
#include <cstring>
#include <memory>

#include "geometry/PictureOwner.h"
#include "gfx/Bitmap.h"

class TestPicture : public PictureOwner {
public:
    TestPicture(int width, int height) { picture.Reset(NewBitmap(width, height)); }

    // A new bitmap for a holder to own.
    static std::unique_ptr<Gdiplus::Bitmap> NewBitmap(int width, int height) {
        auto bitmap = std::make_unique<Gdiplus::Bitmap>(width, height);
        uint8_t* data = bitmap->PixelData();
        for (int y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(data + y * bitmap->Stride());
            for (int x = 0; x < width; ++x)
                row[x] = Colour(x, y);
        }
        bitmap->MarkDirty();
        return bitmap;
    }

    static uint32_t Colour(int x, int y) {
        return 0xFF000000u | uint32_t(x * 7 & 0xFF) << 16 | uint32_t(y * 13 & 0xFF) << 8 | uint32_t((x + y) & 0xFF);
    }
};

// The premultiplied ARGB word of a bitmap pixel (0xAARRGGBB).
inline uint32_t PixelAt(Gdiplus::Bitmap& bitmap, int x, int y) {
    const uint8_t* row = bitmap.PixelData() + y * bitmap.Stride();
    uint32_t word;
    std::memcpy(&word, row + 4 * x, sizeof word);
    return word;
}
