// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internal to the drawing layer: decoding image files by content into premultiplied ARGB32 surfaces.

#include <string>

#include "gfx/detail/CairoDetail.h"
#include "gfx/GdiplusTypes.h"

namespace Gdiplus::Detail {

// JPEG through libjpeg-turbo (at a reduced scale when the result still covers atLeast), PNG,
// BMP, GIF, TIFF and WebP through SDL2_image. The picture's size is read from its header and
// checked against the limits before any pixel memory is taken. A JPEG that decodes whole with
// warnings is shown; one whose data ends early or cannot be decoded is refused.
Status DecodeImageFile(const std::string& path, const Size& atLeast, SurfacePtr& out);

// A JPEG file's width and height from its header, without decoding its pixels.
// UnknownImageFormat for anything that is not a JPEG with a readable header.
Status ReadJpegFileSize(const std::string& path, Size& size);

// Whether a picture of that size may be held.
bool AcceptableSize(int64_t width, int64_t height);

}   // namespace Gdiplus::Detail
