// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureCheck.h"

#include "gfx/Bitmap.h"
#include "library/LibraryFolder.h"

namespace PictureCheck {

Verdict Check(const std::string& path, const Gdiplus::Size& atLeast) {
    if (!LibraryFolder::FileExists(path))
        return Verdict::NotAPlainFile;
    Gdiplus::Bitmap decoded(path, atLeast);
    switch (decoded.GetLastStatus()) {
    case Gdiplus::Ok:
        return Verdict::Shown;
    case Gdiplus::OutOfMemory:
        return Verdict::TooLarge;
    default:
        return Verdict::NotAPicture;
    }
}

const char* Reason(Verdict verdict) {
    switch (verdict) {
    case Verdict::Shown:
        return "shown";
    case Verdict::NotAPlainFile:
        return "no such plain file";
    case Verdict::TooLarge:
        return "too large for the game";
    case Verdict::NotAPicture:
        break;
    }
    return "unknown format, truncated or corrupt";
}

}   // namespace PictureCheck
