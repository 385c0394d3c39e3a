// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PlayPicture.h"

#include "gfx/Rectangles.h"
#include "gfx/Graphics.h"

Gdiplus::Size PlayPictureSize(int32_t clientWidth, int32_t clientHeight, int32_t pictureWidth, int32_t pictureHeight) {
    // The products are taken with the single-precision constants and truncated.
    const int32_t maxHeight = static_cast<int32_t>(clientHeight * static_cast<double>(0.8f));
    const int32_t maxWidth = static_cast<int32_t>(static_cast<double>(0.8f) * clientWidth);
    const int32_t area =
        static_cast<int32_t>(static_cast<double>(clientWidth * clientHeight) * static_cast<double>(0.4f));
    Gdiplus::Rect size = AreaRect(area, pictureWidth, pictureHeight);
    if (size.Width > maxWidth || size.Height > maxHeight)
        size = FitRect(pictureWidth, pictureHeight, 0, 0, maxWidth, maxHeight);
    return Gdiplus::Size(size.Width, size.Height);
}

namespace {

bool Decoded(Gdiplus::Bitmap& bitmap) {
    return bitmap.GetLastStatus() == Gdiplus::Ok && bitmap.GetWidth() > 0 && bitmap.GetHeight() > 0;
}

}   // namespace

std::unique_ptr<Gdiplus::Bitmap> MakePlayPicture(const std::string& path, int32_t clientWidth, int32_t clientHeight) {
    // A JPEG's header gives its size before any pixel is decoded, so it can be decoded at 1/2,
    // 1/4 or 1/8 when that still covers the play picture, which is drawn from it scaled anyway.
    // The play size always comes from the picture's own width and height.
    Gdiplus::Size own;
    std::unique_ptr<Gdiplus::Bitmap> source;
    if (Gdiplus::ReadJpegSize(path, own) != Gdiplus::Ok) {
        source = std::make_unique<Gdiplus::Bitmap>(path);
        if (!Decoded(*source))
            return nullptr;
        own = Gdiplus::Size(static_cast<int32_t>(source->GetWidth()), static_cast<int32_t>(source->GetHeight()));
    }
    const Gdiplus::Size size = PlayPictureSize(clientWidth, clientHeight, own.Width, own.Height);
    if (size.Width <= 0 || size.Height <= 0)
        return nullptr;
    if (!source) {
        source = std::make_unique<Gdiplus::Bitmap>(path, size);
        if (!Decoded(*source))
            return nullptr;
    }

    auto picture = std::make_unique<Gdiplus::Bitmap>(size.Width, size.Height);
    if (picture->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    Gdiplus::Graphics graphics(picture.get());
    graphics.DrawImage(source.get(), Gdiplus::Rect(0, 0, size.Width, size.Height));
    graphics.Flush();
    return picture;
}
