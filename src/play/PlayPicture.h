// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play picture: the puzzle's picture redrawn at 40 % of the window's client area in its own
// proportions, at most 80 % of the client's width and height.

#include <cstdint>
#include <memory>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/GdiplusTypes.h"

// The size of the play picture for a picture of pictureWidth x pictureHeight in a client area
// of clientWidth x clientHeight.
Gdiplus::Size PlayPictureSize(int32_t clientWidth, int32_t clientHeight, int32_t pictureWidth, int32_t pictureHeight);

// Decodes the picture file (a large JPEG at a reduced scale that still covers the result) and
// draws it scaled into a new 32-bit ARGB bitmap of the play size. Null when the file cannot be
// decoded or the result would have no pixels (an empty client area), so that the caller can
// leave everything as it was.
std::unique_ptr<Gdiplus::Bitmap> MakePlayPicture(const std::string& path, int32_t clientWidth, int32_t clientHeight);
