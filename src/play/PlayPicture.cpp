#include "play/PlayPicture.h"

#include "gfx/Rectangles.h"
#include "gfx/Graphics.h"

Gdiplus::Size PlayPictureSize(int32_t clientWidth, int32_t clientHeight, int32_t pictureWidth,
                              int32_t pictureHeight) {
    // The products are taken with the single-precision constants and truncated.
    const int32_t maxHeight = static_cast<int32_t>(clientHeight * static_cast<double>(0.8f));
    const int32_t maxWidth = static_cast<int32_t>(static_cast<double>(0.8f) * clientWidth);
    const int32_t area = static_cast<int32_t>(static_cast<double>(clientWidth * clientHeight) *
                                              static_cast<double>(0.4f));
    Gdiplus::Rect size = AreaRect(area, pictureWidth, pictureHeight);
    if (size.Width > maxWidth || size.Height > maxHeight)
        size = FitRect(pictureWidth, pictureHeight, 0, 0, maxWidth, maxHeight);
    return Gdiplus::Size(size.Width, size.Height);
}

std::unique_ptr<Gdiplus::Bitmap> MakePlayPicture(const std::string& path, int32_t clientWidth,
                                                 int32_t clientHeight) {
    Gdiplus::Bitmap source(path);
    const auto width = static_cast<int32_t>(source.GetWidth());
    const auto height = static_cast<int32_t>(source.GetHeight());
    if (source.GetLastStatus() != Gdiplus::Ok || width <= 0 || height <= 0)
        return nullptr;
    const Gdiplus::Size size = PlayPictureSize(clientWidth, clientHeight, width, height);
    if (size.Width <= 0 || size.Height <= 0)
        return nullptr;
    auto picture = std::make_unique<Gdiplus::Bitmap>(size.Width, size.Height);
    if (picture->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    Gdiplus::Graphics graphics(picture.get());
    graphics.DrawImage(&source, Gdiplus::Rect(0, 0, size.Width, size.Height));
    graphics.Flush();
    return picture;
}
