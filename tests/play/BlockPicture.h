// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture files of four plain colour blocks, one per quarter, as the library holds pictures: a
// JPEG, or a PNG under any name (pictures are recognised by content).

#include <cstdint>
#include <string>

#include "Canvas.h"
#include "JpegFile.h"

namespace BlockPicture {

// Top left, top right, bottom left, bottom right (0xRRGGBB).
inline constexpr uint32_t kColours[4] = {0xD02020, 0x20B020, 0x2040D0, 0xE0D020};

enum class Format { Jpeg, Png };

inline void Write(const std::string& path, int width, int height, Format format = Format::Jpeg) {
    Canvas canvas(width, height);
    const int halfWidth = width / 2, halfHeight = height / 2;
    const int left[4] = {0, halfWidth, 0, halfWidth};
    const int top[4] = {0, 0, halfHeight, halfHeight};
    for (int i = 0; i < 4; ++i) {
        canvas.Rectangle(left[i], top[i], i % 2 ? width - halfWidth : halfWidth,
                         i < 2 ? halfHeight : height - halfHeight);
        canvas.Fill(Colour::Rgb(kColours[i]));
    }
    if (format == Format::Jpeg)
        JpegFile::Write(canvas, path, 95);
    else
        canvas.SavePng(path);
}

// Whether two 0xRRGGBB colours agree within a JPEG's error in every channel.
inline bool Near(uint32_t a, uint32_t b, int tolerance = 24) {
    for (int shift : {16, 8, 0}) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (d > tolerance || d < -tolerance)
            return false;
    }
    return true;
}

}   // namespace BlockPicture
