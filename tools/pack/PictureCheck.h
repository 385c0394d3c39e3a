// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the game can show a picture file, judged by the game's own decoder and size limits.

#include <string>

#include "gfx/GdiplusTypes.h"

namespace PictureCheck {

enum class Verdict { Shown, NotAPlainFile, TooLarge, NotAPicture };

// Decodes the picture as the game does, at least atLeast in size (a JPEG is decoded at the
// smallest reduction that still covers it; its data is read whole at any scale).
Verdict Check(const std::string& path, const Gdiplus::Size& atLeast);

// Why the game does not show such a picture: "too large for the game" and the like.
const char* Reason(Verdict verdict);

}   // namespace PictureCheck
