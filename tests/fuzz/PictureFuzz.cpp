// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures decoded by content, the way the gallery's thumbnails (reduced JPEG decoding) and the
// play picture (full size) are: JPEG, PNG, GIF, BMP, TIFF, WebP or anything else. A decode
// either fails with a status and no pixels or gives a picture within the size limits, which
// then goes through the fitting into a cell and a piece cut, as a game does with it.
// The last input byte also chooses the pieces along the long side (2 to 25).

#include <memory>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "geometry/ClassicCut.h"
#include "geometry/Piece.h"
#include "geometry/PictureOwner.h"
#include "gfx/Rectangles.h"
#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "ui/ListView.h"

namespace {

// The picture a cut is made from, as the board holds it.
class PlayPicture : public PictureOwner {
public:
    explicit PlayPicture(std::unique_ptr<Gdiplus::Bitmap> bitmap) { picture.Reset(std::move(bitmap)); }
};

// Room for the play picture; small, so that a 25 x 25 cut stays quick.
constexpr int32_t kPlayWidth = 320, kPlayHeight = 240;
// Pictures up to this size are also cut as decoded, so extreme proportions reach the cut.
constexpr int64_t kCutAsDecoded = 1 << 16;
// Pixels are read back only for pictures up to this size.
constexpr int64_t kCheckPixels = 1 << 20;

void CheckDecoded(Gdiplus::Bitmap& bitmap) {
    const Gdiplus::Status status = bitmap.GetLastStatus();
    const int64_t width = bitmap.GetWidth(), height = bitmap.GetHeight();
    if (status != Gdiplus::Ok) {
        FUZZ_CHECK(status == Gdiplus::UnknownImageFormat || status == Gdiplus::OutOfMemory ||
                   status == Gdiplus::GenericError);
        FUZZ_CHECK(width == 0 && height == 0 && bitmap.PixelData() == nullptr);
        return;
    }
    FUZZ_CHECK(width > 0 && height > 0);
    FUZZ_CHECK(width <= Gdiplus::Bitmap::kMaxSide && height <= Gdiplus::Bitmap::kMaxSide);
    FUZZ_CHECK(width * height <= Gdiplus::Bitmap::kMaxPixels);
    if (width * height > kCheckPixels)
        return;
    // Premultiplied: no colour channel exceeds the pixel's alpha.
    const uint8_t* data = bitmap.PixelData();
    for (int64_t y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + y * bitmap.Stride());
        for (int64_t x = 0; x < width; ++x) {
            const uint32_t p = row[x], a = p >> 24;
            FUZZ_CHECK(((p >> 16) & 0xFF) <= a && ((p >> 8) & 0xFF) <= a && (p & 0xFF) <= a);
        }
    }
}

void CheckFit(const Gdiplus::Rect& fit, int32_t x, int32_t y, int32_t w, int32_t h) {
    FUZZ_CHECK(fit.Width >= 0 && fit.Height >= 0);
    FUZZ_CHECK(fit.X >= x && fit.Y >= y);
    FUZZ_CHECK(fit.X + fit.Width <= x + w && fit.Y + fit.Height <= y + h);
}

// The thumbnail as a list view cell draws it.
void DrawThumbnail(const std::string& path) {
    Gdiplus::Bitmap thumbnail(path, Gdiplus::Size(ListView::ItemWidth, ListView::ItemHeight));
    CheckDecoded(thumbnail);
    if (thumbnail.GetLastStatus() != Gdiplus::Ok)
        return;
    const Gdiplus::Rect fit = FitRect(int32_t(thumbnail.GetWidth()), int32_t(thumbnail.GetHeight()), 0, 0,
                                      ListView::ItemWidth, ListView::ItemHeight);
    CheckFit(fit, 0, 0, ListView::ItemWidth, ListView::ItemHeight);
    Gdiplus::Bitmap cell(ListView::ItemWidth, ListView::ItemHeight);
    Gdiplus::Graphics(&cell).DrawImage(&thumbnail, fit);
}

void CutAndCheck(std::unique_ptr<Gdiplus::Bitmap> picture, int32_t longSideCount) {
    PlayPicture owner(std::move(picture));
    const int32_t width = int32_t(owner.picture->GetWidth()), height = int32_t(owner.picture->GetHeight());
    ClassicCut cut(&owner);
    cut.longSideCount = longSideCount;
    std::vector<std::unique_ptr<Piece>> pieces;
    cut.BuildPieces(pieces);
    FUZZ_CHECK(cut.columns >= 1 && cut.rows >= 1 && cut.columns <= longSideCount && cut.rows <= longSideCount);
    FUZZ_CHECK(pieces.size() == size_t(cut.columns) * size_t(cut.rows));
    // A picture too thin to keep a pixel once fitted has no pixels to cut: its pieces need
    // only survive.
    if (width == 0 || height == 0)
        return;
    for (const std::unique_ptr<Piece>& piece : pieces) {
        const Gdiplus::Rect& b = piece->bounds;
        FUZZ_CHECK(b.Width >= 0 && b.Height >= 0);
        FUZZ_CHECK(b.X >= 0 && b.Y >= 0 && b.X + b.Width <= width && b.Y + b.Height <= height);
        if (b.Width > 0 && b.Height > 0)
            FUZZ_CHECK(int32_t(piece->image->GetWidth()) == b.Width && int32_t(piece->image->GetHeight()) == b.Height);
    }
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = Fuzz::ScratchFolder() + "00000012.jpg";
    Fuzz::WriteFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    const int32_t longSideCount = size ? 2 + data[size - 1] % 24 : 7;

    DrawThumbnail(path);

    auto picture = std::make_unique<Gdiplus::Bitmap>(path);
    CheckDecoded(*picture);
    if (picture->GetLastStatus() != Gdiplus::Ok)
        return 0;
    const int32_t width = int32_t(picture->GetWidth()), height = int32_t(picture->GetHeight());
    const Gdiplus::Rect fit = FitRect(width, height, 0, 0, kPlayWidth, kPlayHeight);
    CheckFit(fit, 0, 0, kPlayWidth, kPlayHeight);
    auto play = std::make_unique<Gdiplus::Bitmap>(fit.Width, fit.Height);
    if (play->GetLastStatus() == Gdiplus::Ok)
        Gdiplus::Graphics(play.get()).DrawImage(picture.get(), Gdiplus::Rect(0, 0, fit.Width, fit.Height));
    CutAndCheck(std::move(play), longSideCount);
    if (int64_t(width) * height <= kCutAsDecoded)
        CutAndCheck(std::move(picture), longSideCount);
    return 0;
}
