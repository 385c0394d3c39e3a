// SPDX-License-Identifier: GPL-3.0-or-later
#include "Canvas.h"
#include "JpegFile.h"
#include "SampleCatalogue.h"
#include "Scenes.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numeric>
#include <set>
#include <vector>

#include "support/TempFolder.h"

namespace {

uint32_t PixelAt(const Canvas& canvas, int32_t x, int32_t y) {
    const uint8_t* row = canvas.Data() + static_cast<ptrdiff_t>(y) * canvas.Stride();
    return reinterpret_cast<const uint32_t*>(row)[x];
}

double Luminance(uint32_t pixel) {
    return 0.299 * ((pixel >> 16) & 0xFF) + 0.587 * ((pixel >> 8) & 0xFF) + 0.114 * (pixel & 0xFF);
}

// The least spread of luminance among the cells of a grid laid over the canvas: low when some
// part of the picture is one flat colour.
double FlattestCellSpread(const Canvas& canvas, int32_t cells) {
    double flattest = 1e9;
    for (int32_t cy = 0; cy < cells; ++cy)
        for (int32_t cx = 0; cx < cells; ++cx) {
            double sum = 0, squares = 0;
            int32_t count = 0;
            for (int32_t y = cy * canvas.Height() / cells; y < (cy + 1) * canvas.Height() / cells; ++y)
                for (int32_t x = cx * canvas.Width() / cells; x < (cx + 1) * canvas.Width() / cells; ++x) {
                    const double l = Luminance(PixelAt(canvas, x, y));
                    sum += l;
                    squares += l * l;
                    ++count;
                }
            const double mean = sum / count;
            flattest = std::min(flattest, std::sqrt(std::max(0.0, squares / count - mean * mean)));
        }
    return flattest;
}

bool FullyOpaque(const Canvas& canvas) {
    for (int32_t y = 0; y < canvas.Height(); ++y)
        for (int32_t x = 0; x < canvas.Width(); ++x)
            if ((PixelAt(canvas, x, y) >> 24) != 0xFF)
                return false;
    return true;
}

}   // namespace

TEST(SampleCatalogue, OffersEnoughPicturesInEveryProportion) {
    const std::vector<SampleCategory> categories = SampleCatalogue::Categories();
    ASSERT_GE(categories.size(), 3u);
    size_t pictures = 0, largest = 0;
    std::set<int32_t> categoryIds, packIds;
    std::set<std::string> names;
    std::set<std::pair<int32_t, int32_t>> proportions;   // reduced width : height
    for (const SampleCategory& category : categories) {
        EXPECT_TRUE(categoryIds.insert(category.id).second) << "category id " << category.id;
        EXPECT_TRUE(packIds.insert(category.packId).second) << "pack id " << category.packId;
        EXPECT_FALSE(category.name.empty());
        EXPECT_FALSE(category.packName.empty());
        pictures += category.pictures.size();
        largest = std::max(largest, category.pictures.size());
        for (const SamplePicture& picture : category.pictures) {
            EXPECT_TRUE(names.insert(picture.fileName).second) << "file name " << picture.fileName;
            const int32_t longSide = std::max(picture.width, picture.height);
            EXPECT_GE(longSide, 800) << picture.fileName;
            EXPECT_LE(longSide, 2000) << picture.fileName;
            const int32_t divisor = std::gcd(picture.width, picture.height);
            proportions.insert({picture.width / divisor, picture.height / divisor});
        }
    }
    EXPECT_GE(pictures, 30u);
    EXPECT_GT(largest, 20u) << "one category must fill more than one gallery page";
    const std::set<std::pair<int32_t, int32_t>> expected = {{4, 3}, {16, 9}, {3, 4}, {1, 1}};
    EXPECT_EQ(proportions, expected);
}

// Every picture, drawn small, covers its whole canvas opaquely and shows detail in every part;
// and the first of each scene, drawn twice, comes out the same.
TEST(SamplePictures, CoverTheCanvasWithDetailEverywhereAndRepeat) {
    std::set<Scene> repeated;
    for (const SampleCategory& category : SampleCatalogue::Categories())
        for (const SamplePicture& picture : category.pictures) {
            Canvas canvas(picture.width / 5, picture.height / 5);
            Scenes::Paint(canvas, picture);
            EXPECT_TRUE(FullyOpaque(canvas)) << picture.fileName;
            EXPECT_GT(FlattestCellSpread(canvas, 4), 6.0) << picture.fileName;
            if (!repeated.insert(picture.scene).second)
                continue;
            Canvas again(canvas.Width(), canvas.Height());
            Scenes::Paint(again, picture);
            const size_t bytes = static_cast<size_t>(canvas.Stride()) * canvas.Height();
            EXPECT_TRUE(std::equal(canvas.Data(), canvas.Data() + bytes, again.Data())) << picture.fileName;
        }
}

TEST(JpegFile, WritesADecodableFileOfTheCanvasSizeAndColours) {
    Canvas canvas(40, 30);
    canvas.PaintAll(Colour::Rgb(0x2060C0));
    canvas.Rectangle(0, 0, 20, 30);
    canvas.Fill(Colour::Rgb(0xE0A020));
    const TempFolder folder;
    const std::string path = folder.path + "blocks.jpg";
    JpegFile::Write(canvas, path, 90);

    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> jpeg((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    tjhandle decoder = tjInitDecompress();
    ASSERT_NE(decoder, nullptr);
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    ASSERT_EQ(tjDecompressHeader3(decoder, jpeg.data(), jpeg.size(), &width, &height, &subsampling, &colourspace), 0);
    EXPECT_EQ(width, 40);
    EXPECT_EQ(height, 30);
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    ASSERT_EQ(tjDecompress2(decoder, jpeg.data(), jpeg.size(), rgb.data(), width, 0, height, TJPF_RGB, 0), 0);
    tjDestroy(decoder);
    // Red and blue must not be swapped: the left half is orange, the right half blue.
    auto near = [](int actual, int expected) { return std::abs(actual - expected) <= 12; };
    const unsigned char* left = &rgb[(15 * 40 + 5) * 3];
    const unsigned char* right = &rgb[(15 * 40 + 35) * 3];
    EXPECT_TRUE(near(left[0], 0xE0) && near(left[1], 0xA0) && near(left[2], 0x20))
        << int(left[0]) << "," << int(left[1]) << "," << int(left[2]);
    EXPECT_TRUE(near(right[0], 0x20) && near(right[1], 0x60) && near(right[2], 0xC0))
        << int(right[0]) << "," << int(right[1]) << "," << int(right[2]);
}
