// SPDX-License-Identifier: GPL-3.0-or-later
// The play picture: its size from the client area and the picture's own proportions, and the
// bitmap made from a picture file, or none when there is nothing to make it from.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/TempFolder.h"
#include "play/BlockPicture.h"
#include "play/PlayPicture.h"

namespace {

struct SizeCase {
    int32_t clientWidth, clientHeight, pictureWidth, pictureHeight;
    int32_t width, height;
};

TEST(PlayPictureSize, FortyPercentOfTheClientAtMostEightyPercentOfEachSide) {
    const SizeCase cases[] = {
        // 280000 pixels by area, 611 x 458, within 800 x 560.
        {1000, 700, 4000, 3000, 611, 458},
        // 167 x 1673 by area is taller than 560: fitted to the height instead.
        {1000, 700, 100, 1000, 56, 560},
        // Small pictures are enlarged to the same area.
        {1000, 700, 40, 30, 611, 458},
    };
    for (const SizeCase& c : cases) {
        const Gdiplus::Size size = PlayPictureSize(c.clientWidth, c.clientHeight, c.pictureWidth, c.pictureHeight);
        EXPECT_EQ(size.Width, c.width) << c.pictureWidth << " x " << c.pictureHeight;
        EXPECT_EQ(size.Height, c.height) << c.pictureWidth << " x " << c.pictureHeight;
    }
}

uint32_t Rgb(Gdiplus::Bitmap& bitmap, int x, int y) {
    Gdiplus::Color colour;
    bitmap.GetPixel(x, y, &colour);
    return colour.GetValue() & 0xFFFFFF;
}

// The four blocks at the centres of the play picture's quarters.
void ExpectBlocks(Gdiplus::Bitmap& picture, const char* what) {
    const int w = static_cast<int>(picture.GetWidth()), h = static_cast<int>(picture.GetHeight());
    const int x[4] = {w / 4, 3 * w / 4, w / 4, 3 * w / 4};
    const int y[4] = {h / 4, h / 4, 3 * h / 4, 3 * h / 4};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(BlockPicture::Near(Rgb(picture, x[i], y[i]), BlockPicture::kColours[i]))
            << what << ": block " << i << " reads " << std::hex << Rgb(picture, x[i], y[i]);
    EXPECT_EQ(picture.GetPixelFormat(), Gdiplus::PixelFormat32bppARGB) << what;
}

TEST(MakePlayPicture, DrawsTheWholePictureAtThePlaySize) {
    TempFolder folder;
    // A large JPEG may be decoded reduced (here at 1/2), a PNG always whole: the size comes
    // from the picture's own proportions either way.
    const std::string jpeg = folder.path + "00000001.jpg";
    BlockPicture::Write(jpeg, 1600, 1200);
    const std::string png = folder.path + "00000002.ogg";
    BlockPicture::Write(png, 100, 1000, BlockPicture::Format::Png);

    std::unique_ptr<Gdiplus::Bitmap> wide = MakePlayPicture(jpeg, 1000, 700);
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->GetWidth(), 611u);
    EXPECT_EQ(wide->GetHeight(), 458u);
    ExpectBlocks(*wide, "jpeg");

    std::unique_ptr<Gdiplus::Bitmap> tall = MakePlayPicture(png, 1000, 700);
    ASSERT_NE(tall, nullptr);
    EXPECT_EQ(tall->GetWidth(), 56u);
    EXPECT_EQ(tall->GetHeight(), 560u);
    ExpectBlocks(*tall, "png");
}

TEST(MakePlayPicture, NothingFromAnUnusablePictureOrAnEmptyClientArea) {
    TempFolder folder;
    const std::string good = folder.path + "good.jpg";
    BlockPicture::Write(good, 400, 300);
    std::ifstream in(good, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});

    struct Case {
        const char* what;
        std::string path;
        int32_t clientWidth, clientHeight;
    };
    const Case cases[] = {
        {"deleted", folder.path + "gone.jpg", 1000, 700},
        {"garbage", folder.Write("garbage.jpg", "this is no picture at all"), 1000, 700},
        // The header still gives the size; the pixels are missing.
        {"truncated", folder.Write("truncated.jpg", bytes.substr(0, bytes.size() / 2)), 1000, 700},
        {"a folder", folder.path, 1000, 700},
        {"no width", good, 0, 700},
        {"no height", good, 1000, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakePlayPicture(c.path, c.clientWidth, c.clientHeight), nullptr) << c.what;
    EXPECT_NE(MakePlayPicture(good, 1000, 700), nullptr);
}

}   // namespace
