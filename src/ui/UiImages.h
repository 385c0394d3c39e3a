// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three images of the program's UI folder: slider track, slider thumb and magnifier.

#include <memory>
#include <string>

#include "foundation/CPtr.h"
#include "gfx/Bitmap.h"

class UiImages {
public:
    // `folder` ends in '/'; nothing is loaded until a getter asks.
    explicit UiImages(std::string folder);
    UiImages(const UiImages&) = delete;
    UiImages& operator=(const UiImages&) = delete;

    // Each loads its file on the first call and returns the same bitmap after. There is no
    // placeholder: a failed load reports 0 x 0 and draws nothing.
    Gdiplus::Bitmap* TrackImage();
    Gdiplus::Bitmap* ThumbImage();
    Gdiplus::Bitmap* MagnifierImage();

    // The process-wide holder, created on first use for the "UI/" folder beside the program.
    static UiImages& Instance();
    // The holder itself: shutdown resets it; a test may install one for its own folder.
    static CPtr<UiImages>& Current();

private:
    Gdiplus::Bitmap* Load(std::unique_ptr<Gdiplus::Bitmap>& slot, const char* fileName);

    std::string folder;
    std::unique_ptr<Gdiplus::Bitmap> track;
    std::unique_ptr<Gdiplus::Bitmap> thumb;
    std::unique_ptr<Gdiplus::Bitmap> magnifier;
};
