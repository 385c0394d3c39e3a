// SPDX-License-Identifier: GPL-3.0-or-later
// Theme image loading from the fuzzer's bytes as one theme PNG: the lookup gives the decoded
// image or, for anything that does not decode, the transparent 1 x 1 placeholder, and the
// controls' natural size follows it. Either way the image draws.

#include <filesystem>
#include <string>

#include "FuzzSupport.h"
#include "gfx/Graphics.h"
#include "ui/SharedDrawing.h"
#include "ui/Theme.h"
#include "ui/ThemeFile.h"

namespace {

// The fuzzer's bytes become the file of the gallery's "Exit Game" command.
constexpr StyleId kStyle = StyleId::ExitGameButton;

const std::string& ThemeFolder() {
    static const std::string folder = [] {
        const std::string path = Fuzz::ScratchFolder() + "Default/";
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

void CheckImage(Gdiplus::Bitmap* image) {
    FUZZ_CHECK(image != nullptr);
    if (image == PlaceholderBitmap()) {
        Gdiplus::Color c;
        FUZZ_CHECK(image->GetWidth() == 1 && image->GetHeight() == 1);
        FUZZ_CHECK(image->GetPixel(0, 0, &c) == Gdiplus::Ok && c.GetA() == 0);
        return;
    }
    FUZZ_CHECK(image->GetLastStatus() == Gdiplus::Ok);
    FUZZ_CHECK(image->GetWidth() > 0 && image->GetHeight() > 0);
    FUZZ_CHECK(image->GetWidth() <= Gdiplus::UINT(Gdiplus::Bitmap::kMaxSide) &&
               image->GetHeight() <= Gdiplus::UINT(Gdiplus::Bitmap::kMaxSide));
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz::WriteFile(ThemeFolder() + std::string(ThemeFileName(kStyle, ImageState::Checked)),
                    std::string_view(reinterpret_cast<const char*>(data), size));
    Theme::Install(ThemeFolder());

    Gdiplus::Bitmap* image = Theme::Image(kStyle, ImageState::Checked);
    CheckImage(image);
    // A failed load is tried again, and fails the same way.
    FUZZ_CHECK((Theme::Image(kStyle, ImageState::Checked) == PlaceholderBitmap()) == (image == PlaceholderBitmap()));
    const Gdiplus::Size natural = Theme::NaturalSize(kStyle, Gdiplus::Size(100, 25));
    FUZZ_CHECK(natural.Width == int(image->GetWidth()) && natural.Height == int(image->GetHeight()));

    // As a button draws its image into its bounds.
    Gdiplus::Bitmap control(120, 40);
    Gdiplus::Graphics(&control).DrawImage(image, Gdiplus::Rect(0, 0, 120, 40));

    Theme::Current().Reset(nullptr);
    return 0;
}
