// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gfx/Gdiplus.h"
#include "support/TempFolder.h"

using namespace Gdiplus;

namespace {

using Bytes = std::vector<uint8_t>;

class BitmapFiles : public testing::Test {
protected:
    std::string Write(const std::string& name, const Bytes& bytes) {
        const std::string path = folder.path + name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }
    Bytes Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    // A w x h PNG of an opaque gradient, written by the drawing layer itself.
    Bytes Png(int w, int h) {
        Bitmap bitmap(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                bitmap.SetPixel(x, y, Color(255, BYTE(x * 7), BYTE(y * 5), 90));
        const std::string path = folder.path + "made.png";
        EXPECT_EQ(bitmap.SavePng(path), Ok);
        return Read(path);
    }
    // A w x h JPEG of a smooth colour field.
    static Bytes Jpeg(int w, int h, int subsampling = TJSAMP_420, int flags = 0) {
        std::vector<uint8_t> rgb(size_t(w) * size_t(h) * 3);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                uint8_t* p = &rgb[(size_t(y) * size_t(w) + size_t(x)) * 3];
                p[0] = 200, p[1] = uint8_t(40 + y % 50), p[2] = 60;
            }
        tjhandle handle = tjInitCompress();
        unsigned char* out = nullptr;
        unsigned long size = 0;
        EXPECT_EQ(tjCompress2(handle, rgb.data(), w, 0, h, TJPF_RGB, &out, &size, subsampling, 90, flags), 0);
        Bytes bytes(out, out + size);
        tjFree(out);
        tjDestroy(handle);
        return bytes;
    }
    // A 2 x 2 24-bit BMP, bottom row first: blue, green / red, white.
    static Bytes Bmp() {
        Bytes b = {'B', 'M', 70, 0, 0,  0, 0, 0, 0, 0, 54, 0, 0, 0,          // file header
                   40,  0,   0,  0, 2,  0, 0, 0, 2, 0, 0,  0, 1, 0, 24, 0,   // info header
                   0,   0,   0,  0, 16, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0, 0, 0};
        const Bytes rows = {255, 0, 0,   0,   255, 0,   0, 0,    // bottom: blue, green (BGR), padding
                            0,   0, 255, 255, 255, 255, 0, 0};   // top: red, white
        b.insert(b.end(), rows.begin(), rows.end());
        return b;
    }
    // A GIF with a 1 x 1 screen and a two-colour table, stepping over an extension to one
    // frame of the given size that holds the data of one white pixel.
    static Bytes Gif(int frameWidth, int frameHeight) {
        return {'G',
                'I',
                'F',
                '8',
                '9',
                'a',
                1,
                0,
                1,
                0,
                0x80,
                0,
                0,   // screen, colour table follows
                0xFF,
                0xFF,
                0xFF,
                0,
                0,
                0,   // white, black
                0x21,
                0xF9,
                4,
                0,
                0,
                0,
                0,
                0,   // graphic control extension
                0x2C,
                0,
                0,
                0,
                0,
                uint8_t(frameWidth),
                uint8_t(frameWidth >> 8),
                uint8_t(frameHeight),
                uint8_t(frameHeight >> 8),
                0,   // image descriptor
                2,
                2,
                0x44,
                0x01,
                0,
                0x3B};   // pixel data, trailer
    }
    // A 16 x 16 frame whose first code after the clear code (7) names a table entry not made
    // yet, so the next two entries link to each other and the last code (6) leads into the loop.
    // The image data holds the codes 4, 7, 6, 0, 6, 5 in 3 and 4 bits.
    static Bytes GifWithLinkedCodes() {
        return {'G', 'I',  'F', '8', '9', 'a', 1,  0, 1,  0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0,
                0,   0x2C, 0,   0,   0,   0,   16, 0, 16, 0, 0,    2, 3, 0xBC, 0x61, 0x05, 0, 0x3B};
    }
    // Overwrites the frame size in a JPEG's baseline or progressive frame marker.
    static Bytes WithJpegSize(Bytes bytes, int w, int h) {
        for (size_t i = 2; i + 9 < bytes.size(); ++i)
            if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) {
                bytes[i + 5] = uint8_t(h >> 8), bytes[i + 6] = uint8_t(h);
                bytes[i + 7] = uint8_t(w >> 8), bytes[i + 8] = uint8_t(w);
                break;
            }
        return bytes;
    }
    // Overwrites the size in a PNG's IHDR chunk (its checksum goes stale; the size is refused first).
    static Bytes WithPngSize(Bytes bytes, uint32_t w, uint32_t h) {
        for (int i = 0; i < 4; ++i) {
            bytes[16 + i] = uint8_t(w >> (24 - 8 * i));
            bytes[20 + i] = uint8_t(h >> (24 - 8 * i));
        }
        return bytes;
    }

    const TempFolder folder;
};

}   // namespace

TEST_F(BitmapFiles, UnusableFilesGiveAFailedStatusAndNoPixels) {
    const Bytes jpeg = Jpeg(64, 48), png = Png(40, 30);
    Bytes corruptJpeg = jpeg;
    for (size_t i = corruptJpeg.size() / 2; i < corruptJpeg.size() - 2; ++i)
        corruptJpeg[i] = uint8_t(i * 37);
    // A chunk that claims to run past the end of the file (a reader that does not notice
    // would repeat the chunk for ever).
    Bytes chunkBeyondEnd(png.begin(), png.begin() + 33);
    const Bytes longChunk = {0x00, 0x00, 0x06, 0x00, 'b', 'K', 'G', 'D', 0, 0, 0, 0};
    chunkBeyondEnd.insert(chunkBeyondEnd.end(), longChunk.begin(), longChunk.end());
    Bytes corruptPng = png;
    for (size_t i = 41; i < corruptPng.size() - 12; ++i)   // the image data, not the header
        corruptPng[i] ^= 0x5A;
    struct Case {
        const char* name;
        Bytes bytes;
        Status expected;
    };
    const Case cases[] = {
        {"empty.jpg", {}, UnknownImageFormat},
        {"text.jpg", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, UnknownImageFormat},
        {"truncated.jpg", Bytes(jpeg.begin(), jpeg.begin() + long(jpeg.size() / 2)), UnknownImageFormat},
        {"corrupt.jpg", corruptJpeg, UnknownImageFormat},
        {"truncated.png", Bytes(png.begin(), png.begin() + long(png.size() / 2)), UnknownImageFormat},
        {"corrupt.png", corruptPng, UnknownImageFormat},
        {"chunk-beyond-end.png", chunkBeyondEnd, UnknownImageFormat},
        {"linked-codes.gif", GifWithLinkedCodes(), UnknownImageFormat},
        {"huge.jpg", WithJpegSize(jpeg, 60000, 60000), OutOfMemory},
        {"wide.jpg", WithJpegSize(jpeg, Bitmap::kMaxSide + 1, 8), OutOfMemory},
        {"huge.png", WithPngSize(png, 100000, 100000), OutOfMemory},
        {"tall.png", WithPngSize(png, 2, Bitmap::kMaxSide + 1), OutOfMemory},
        // Within the side limits, but more than one decode may hold: 256 MiB for the JPEG's
        // pixels alone; the PNG decoder's picture and our copy; a progressive JPEG's pixels
        // and its coefficients.
        {"beyond-budget.jpg", WithJpegSize(jpeg, 8192, 8192), OutOfMemory},
        {"beyond-budget.png", WithPngSize(png, 8192, 4096), OutOfMemory},
        {"progressive-beyond-budget.jpg", WithJpegSize(Jpeg(64, 48, TJSAMP_444, TJFLAG_PROGRESSIVE), 6000, 6000),
         OutOfMemory},
    };
    for (const Case& c : cases) {
        Bitmap bitmap(Write(c.name, c.bytes));
        EXPECT_EQ(bitmap.GetLastStatus(), c.expected) << c.name;
        EXPECT_EQ(bitmap.GetWidth(), 0u) << c.name;
        EXPECT_EQ(bitmap.GetHeight(), 0u) << c.name;
        EXPECT_EQ(bitmap.GetLastStatus(), c.expected) << c.name << ": the failure is kept";
        Graphics g(&bitmap);
        EXPECT_NE(g.GetLastStatus(), Ok);
    }
    Bitmap missing(folder.path + "nothing-here.jpg");
    EXPECT_EQ(missing.GetLastStatus(), FileNotFound);
}

// A picture replaced by a FIFO: no writer ever comes, so a blocking open would wait forever.
// The alarm ends a run that hangs instead of leaving it to the test timeout. A sparse 200 MB
// file is refused by its size (OutOfMemory) before it costs its size in memory.
TEST_F(BitmapFiles, FifosAndHugeFilesNamedLikePicturesAreRefusedUnread) {
    const std::string fifo = folder.path + "fifo.jpg";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = Write("huge.jpg", {0xFF, 0xD8, 0xFF});
    std::filesystem::resize_file(huge, uintmax_t(200) << 20);
    struct Case {
        std::string path;
        Status expected;
    };
    const Case cases[] = {{fifo, FileNotFound}, {huge, OutOfMemory}};
    for (const Case& c : cases) {
        alarm(20);
        const Status decoded = Bitmap(c.path).GetLastStatus();
        Size size(7, 7);
        const Status header = ReadJpegSize(c.path, size);
        alarm(0);
        EXPECT_EQ(decoded, c.expected) << c.path;
        EXPECT_EQ(header, c.expected) << c.path;
        EXPECT_EQ(size.Width, 7) << c.path;
    }
}

TEST_F(BitmapFiles, AGifFrameLargerThanItsScreenIsRefusedBeforeAnyPixelMemory) {
    Bitmap small(Write("small.gif", Gif(1, 1)));
    ASSERT_EQ(small.GetLastStatus(), Ok);
    Color c;
    small.GetPixel(0, 0, &c);
    EXPECT_EQ(c.GetValue(), 0xFFFFFFFFu);

    // The frame would need gigabytes. With the address space held to a little above what the
    // process uses, only a refusal made before decoding still reports OutOfMemory. The decoder
    // passes over bytes that start no block, so a stray byte before the frame hides nothing.
    const Bytes huge = Gif(65535, 65535);
    Bytes strayBeforeFrame = huge;
    const long descriptor = 13 + 6 + 8;   // after the screen, its colours and the extension
    strayBeforeFrame.insert(strayBeforeFrame.begin() + descriptor, 0x3F);
    for (const auto& [name, bytes] : {std::pair{"huge.gif", huge}, std::pair{"stray-byte.gif", strayBeforeFrame}}) {
        const std::string path = Write(name, bytes);
        rlimit saved{};
        ASSERT_EQ(getrlimit(RLIMIT_AS, &saved), 0);
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        rlimit tight = saved;
        tight.rlim_cur = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(512) << 20);
        ASSERT_EQ(setrlimit(RLIMIT_AS, &tight), 0);
        const Status status = Bitmap(path).GetLastStatus();
        setrlimit(RLIMIT_AS, &saved);
        EXPECT_EQ(status, OutOfMemory) << name;
    }
}

TEST_F(BitmapFiles, PicturesAreRecognisedByContentNotByName) {
    // A PNG named like a JPEG, and a JPEG named like a sound file.
    Bitmap png(Write("picture.jpg", Png(40, 30)));
    ASSERT_EQ(png.GetLastStatus(), Ok);
    EXPECT_EQ(png.GetWidth(), 40u);
    EXPECT_EQ(png.GetHeight(), 30u);
    Color c;
    png.GetPixel(3, 2, &c);
    EXPECT_EQ(c.GetValue(), Color(255, 21, 10, 90).GetValue());

    Bitmap bmp(Write("picture.png", Bmp()));
    ASSERT_EQ(bmp.GetLastStatus(), Ok);
    bmp.GetPixel(0, 0, &c);
    EXPECT_EQ(c.GetValue(), 0xFFFF0000u);
    bmp.GetPixel(1, 1, &c);
    EXPECT_EQ(c.GetValue(), 0xFF00FF00u);

    Bitmap jpeg(Write("picture.ogg", Jpeg(64, 48)));
    ASSERT_EQ(jpeg.GetLastStatus(), Ok);
    EXPECT_EQ(jpeg.GetWidth(), 64u);
    jpeg.GetPixel(10, 20, &c);
    EXPECT_EQ(c.GetA(), 255);
    EXPECT_NEAR(c.GetR(), 200, 6);
    EXPECT_NEAR(c.GetG(), 60, 6);
    EXPECT_NEAR(c.GetB(), 60, 6);
}

TEST_F(BitmapFiles, JpegThumbnailsDecodeAtTheSmallestScaleThatStillCovers) {
    const std::string path = Write("big.jpg", Jpeg(400, 300));
    struct Case {
        Size atLeast;
        UINT width, height;
    };
    const Case cases[] = {
        {{0, 0}, 50, 38},         // 1/8, rounded up
        {{51, 10}, 100, 75},      // 1/8 is too narrow
        {{100, 75}, 100, 75},     // 1/4 exactly
        {{150, 100}, 200, 150},   // 1/2
        {{201, 10}, 400, 300},    // full size
    };
    for (const Case& c : cases) {
        Bitmap bitmap(path, c.atLeast);
        ASSERT_EQ(bitmap.GetLastStatus(), Ok);
        EXPECT_EQ(bitmap.GetWidth(), c.width) << c.atLeast.Width << "x" << c.atLeast.Height;
        EXPECT_EQ(bitmap.GetHeight(), c.height) << c.atLeast.Width << "x" << c.atLeast.Height;
    }
    // Other formats ignore the hint.
    Bitmap png(Write("small.png", Png(40, 30)), Size(1, 1));
    EXPECT_EQ(png.GetWidth(), 40u);
}

TEST_F(BitmapFiles, AJpegHeaderGivesTheFullSizeWithoutDecoding) {
    Size size;
    ASSERT_EQ(ReadJpegSize(Write("big.ogg", Jpeg(400, 300)), size), Ok);
    EXPECT_EQ(size.Width, 400);
    EXPECT_EQ(size.Height, 300);
    // The header alone counts: a picture far too large to decode still tells its size.
    ASSERT_EQ(ReadJpegSize(Write("huge.jpg", WithJpegSize(Jpeg(64, 48), 60000, 50000)), size), Ok);
    EXPECT_EQ(size.Width, 60000);
    EXPECT_EQ(size.Height, 50000);

    struct Case {
        const char* name;
        Bytes bytes;
        Status status;
    };
    const Case cases[] = {
        {"picture.png", Png(40, 30), UnknownImageFormat},
        {"empty.jpg", {}, UnknownImageFormat},
        {"header-cut.jpg", Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0, 16}, UnknownImageFormat},
    };
    for (const Case& c : cases) {
        size = Size(7, 7);
        EXPECT_EQ(ReadJpegSize(Write(c.name, c.bytes), size), c.status) << c.name;
        EXPECT_EQ(size.Width, 7) << c.name;   // untouched on failure
    }
    EXPECT_EQ(ReadJpegSize(folder.path + "nothing-here.jpg", size), FileNotFound);
}

// A picture of the sample library edited both ways. Two stray bytes before the scan marker, as
// some cameras and editors leave them, cost the decoder a warning only: the picture shows, pixel
// for pixel as the original. Scan data that ends early, with or without an end marker after it,
// leaves part of the picture undecoded: refused, also for a thumbnail.
TEST_F(BitmapFiles, AJpegThatDecodesWholeWithWarningsShowsOneThatLostDataIsRefused) {
    const Bytes sample = Read(std::string(TESSIVA_DIST_DIR) + "/Puzzles/00000001.jpg");
    const Bytes scanMarker = {0xFF, 0xDA};
    const auto scan = std::search(sample.begin(), sample.end(), scanMarker.begin(), scanMarker.end());
    ASSERT_NE(scan, sample.end());
    Bytes stray = sample;
    stray.insert(stray.begin() + (scan - sample.begin()), {0x00, 0x00});
    const Bytes cut(sample.begin(), scan + (sample.end() - scan) / 2);
    Bytes cutThenEnd = cut;
    cutThenEnd.insert(cutThenEnd.end(), {0xFF, 0xD9});

    Bitmap original(Write("original.jpg", sample));
    Bitmap edited(Write("stray.jpg", stray));
    ASSERT_EQ(original.GetLastStatus(), Ok);
    ASSERT_EQ(edited.GetLastStatus(), Ok);
    ASSERT_EQ(edited.GetWidth(), original.GetWidth());
    ASSERT_EQ(edited.GetHeight(), original.GetHeight());
    for (UINT y = 0; y < original.GetHeight(); ++y)
        ASSERT_EQ(std::memcmp(original.PixelData() + y * original.Stride(), edited.PixelData() + y * edited.Stride(),
                              original.GetWidth() * 4),
                  0)
            << "row " << y;
    EXPECT_EQ(Bitmap(Write("stray-thumbnail.jpg", stray), Size(150, 110)).GetLastStatus(), Ok);

    for (const auto& [name, bytes] : {std::pair{"cut.jpg", cut}, std::pair{"cut-then-end.jpg", cutThenEnd}}) {
        const std::string path = Write(name, bytes);
        EXPECT_EQ(Bitmap(path).GetLastStatus(), UnknownImageFormat) << name;
        EXPECT_EQ(Bitmap(path, Size(150, 110)).GetLastStatus(), UnknownImageFormat) << name;
    }
}

TEST(Bitmap, NewBitmapsAreTransparentAndPixelsKeepStraightAlpha) {
    Bitmap bitmap(3, 2);
    ASSERT_EQ(bitmap.GetLastStatus(), Ok);
    Color c(0xFFFFFFFF);
    bitmap.GetPixel(2, 1, &c);
    EXPECT_EQ(c.GetValue(), 0u);
    for (ARGB value : {0x80FF0000u, 0xFF123456u, 0x01FFFFFFu, 0x00000000u}) {
        bitmap.SetPixel(1, 1, Color(value));
        bitmap.GetPixel(1, 1, &c);
        EXPECT_EQ(c.GetValue(), value);
    }
    // Stored premultiplied: half-transparent red is 0x80800000 in memory.
    bitmap.SetPixel(0, 0, Color(0x80FF0000));
    EXPECT_EQ(*reinterpret_cast<const uint32_t*>(bitmap.PixelData()), 0x80800000u);
    EXPECT_EQ(bitmap.GetPixel(3, 0, &c), InvalidParameter);
}

TEST(Bitmap, ImpossibleSizesFailWithoutPixels) {
    struct Case {
        int w, h;
        Status expected;
    };
    for (const Case& c :
         {Case{0, 5, InvalidParameter}, Case{-1, 5, InvalidParameter}, Case{Bitmap::kMaxSide + 1, 1, OutOfMemory}}) {
        Bitmap bitmap(c.w, c.h);
        EXPECT_EQ(bitmap.GetLastStatus(), c.expected);
        EXPECT_EQ(bitmap.GetWidth(), 0u);
        EXPECT_EQ(bitmap.PixelData(), nullptr);
    }
}

TEST(Bitmap, DrawsIntoMemoryTheCallerOwns) {
    std::vector<uint32_t> pixels(4 * 3, 0);
    Bitmap bitmap(4, 3, 16, PixelFormat32bppPARGB, reinterpret_cast<uint8_t*>(pixels.data()));
    ASSERT_EQ(bitmap.GetLastStatus(), Ok);
    Graphics g(&bitmap);
    SolidBrush brush(Color(0xFF102030));
    g.FillRectangle(&brush, 1, 1, 2, 1);
    g.Flush();
    EXPECT_EQ(pixels[4 + 1], 0xFF102030u);
    EXPECT_EQ(pixels[4 + 2], 0xFF102030u);
    EXPECT_EQ(pixels[4 + 3], 0u);
    Bitmap badStride(4, 3, 8, PixelFormat32bppPARGB, reinterpret_cast<uint8_t*>(pixels.data()));
    EXPECT_EQ(badStride.GetLastStatus(), InvalidParameter);
}
